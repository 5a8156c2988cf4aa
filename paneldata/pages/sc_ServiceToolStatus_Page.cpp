#include "paneldata/pages/sc_ServiceToolStatus_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_ServiceToolStatus_Page sc_ServiceToolStatus_Page::s_handler;

sc_ServiceToolStatus_Page::sc_ServiceToolStatus_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eServiceToolStatus)
{
}

sc_ServiceToolStatus_Page *sc_ServiceToolStatus_Page::handler()
{
    return &s_handler;
}

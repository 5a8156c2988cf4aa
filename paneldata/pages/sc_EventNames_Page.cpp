#include "paneldata/pages/sc_EventNames_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_EventNames_Page sc_EventNames_Page::s_handler;

sc_EventNames_Page::sc_EventNames_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eEventNames)
{
}

sc_EventNames_Page *sc_EventNames_Page::handler()
{
    return &s_handler;
}

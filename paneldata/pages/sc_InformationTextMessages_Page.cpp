#include "paneldata/pages/sc_InformationTextMessages_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_InformationTextMessages_Page sc_InformationTextMessages_Page::s_handler;

sc_InformationTextMessages_Page::sc_InformationTextMessages_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eInformationTextMessages)
{
}

sc_InformationTextMessages_Page *sc_InformationTextMessages_Page::handler()
{
    return &s_handler;
}

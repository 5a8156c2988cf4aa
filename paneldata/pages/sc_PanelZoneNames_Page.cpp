#include "paneldata/pages/sc_PanelZoneNames_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelZoneNames_Page sc_PanelZoneNames_Page::s_handler;

sc_PanelZoneNames_Page::sc_PanelZoneNames_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePanelZoneNames)
{
}

sc_PanelZoneNames_Page *sc_PanelZoneNames_Page::handler()
{
    return &s_handler;
}

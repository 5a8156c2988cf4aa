#include "paneldata/pages/sc_PPanelZoneMaps_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PPanelZoneMaps_Page sc_PPanelZoneMaps_Page::s_handler;

sc_PPanelZoneMaps_Page::sc_PPanelZoneMaps_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePanelZoneMapFirst)
{
}

sc_PPanelZoneMaps_Page *sc_PPanelZoneMaps_Page::handler()
{
    return &s_handler;
}

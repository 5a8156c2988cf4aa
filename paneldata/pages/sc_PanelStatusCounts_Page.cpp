#include "paneldata/pages/sc_PanelStatusCounts_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelStatusCounts_Page sc_PanelStatusCounts_Page::s_handler;

sc_PanelStatusCounts_Page::sc_PanelStatusCounts_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePanelStatusCounts)
{
}

sc_PanelStatusCounts_Page *sc_PanelStatusCounts_Page::handler()
{
    return &s_handler;
}

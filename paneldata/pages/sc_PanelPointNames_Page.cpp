#include "paneldata/pages/sc_PanelPointNames_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelPointNames_Page sc_PanelPointNames_Page::s_handler;

sc_PanelPointNames_Page::sc_PanelPointNames_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePanelPointNames)
{
}

sc_PanelPointNames_Page *sc_PanelPointNames_Page::handler()
{
    return &s_handler;
}

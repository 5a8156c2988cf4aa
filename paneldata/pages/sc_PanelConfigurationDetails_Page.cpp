#include "paneldata/pages/sc_PanelConfigurationDetails_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelConfigurationDetails_Page sc_PanelConfigurationDetails_Page::s_handler;

sc_PanelConfigurationDetails_Page::sc_PanelConfigurationDetails_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePanelConfigurationDetails)
{
}

sc_PanelConfigurationDetails_Page *sc_PanelConfigurationDetails_Page::handler()
{
    return &s_handler;
}

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PanelConfigurationDetailsPagePkt.h"

class sc_PanelConfigurationDetails_Page final : public SC_PageHandlerFor<SC_PanelConfigurationDetailsPagePkt>
{
public:
    static sc_PanelConfigurationDetails_Page *handler();

private:
    sc_PanelConfigurationDetails_Page();

    static sc_PanelConfigurationDetails_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_LkNetworkConfigurationPkt.h"

class sc_LKNetworkConfiguration_Page final : public SC_PageHandlerFor<SC_LkNetworkConfigurationPkt>
{
public:
    static sc_LKNetworkConfiguration_Page *handler();

private:
    sc_LKNetworkConfiguration_Page();

    static sc_LKNetworkConfiguration_Page s_handler;
};

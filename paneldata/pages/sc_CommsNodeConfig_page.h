#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_CommsNodeConfigurationPkt.h"

class sc_CommsNodeConfig_page final : public SC_PageHandlerFor<SC_CommsNodeConfigurationPkt>
{
public:
    static sc_CommsNodeConfig_page *handler();

private:
    sc_CommsNodeConfig_page();

    static sc_CommsNodeConfig_page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_LoopDriverConfigurationPkt.h"

class sc_LoopDriverConfiguration_Page final : public SC_PageHandlerFor<SC_LoopDriverConfigurationPkt>
{
public:
    static sc_LoopDriverConfiguration_Page *handler();

private:
    sc_LoopDriverConfiguration_Page();

    static sc_LoopDriverConfiguration_Page s_handler;
};

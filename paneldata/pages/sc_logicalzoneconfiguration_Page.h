#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_LogicalZoneConfigurationPkt.h"

class sc_logicalzoneconfiguration_Page final : public SC_PageHandlerFor<SC_LogicalZoneConfigurationPkt>
{
public:
    static sc_logicalzoneconfiguration_Page *handler();

private:
    sc_logicalzoneconfiguration_Page();

    static sc_logicalzoneconfiguration_Page s_handler;
};

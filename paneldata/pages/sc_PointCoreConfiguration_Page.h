#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PointCoreConfigurationPagePkt.h"

class sc_PointCoreConfiguration_Page final : public SC_PageHandlerFor<SC_PointCoreConfigurationPagePkt>
{
public:
    static sc_PointCoreConfiguration_Page *handler();

private:
    sc_PointCoreConfiguration_Page();

    static sc_PointCoreConfiguration_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PointDeviceDescriptionsPagePkt.h"

class sc_PointDeviceDescriptions_Page final : public SC_PageHandlerFor<SC_PointDeviceDescriptionsPagePkt>
{
public:
    static sc_PointDeviceDescriptions_Page *handler();

private:
    sc_PointDeviceDescriptions_Page();

    static sc_PointDeviceDescriptions_Page s_handler;
};

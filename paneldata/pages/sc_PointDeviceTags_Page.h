#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PointDeviceTagsPagePkt.h"

class sc_PointDeviceTags_Page final : public SC_PageHandlerFor<SC_PointDeviceTagsPagePkt>
{
public:
    static sc_PointDeviceTags_Page *handler();

private:
    sc_PointDeviceTags_Page();

    static sc_PointDeviceTags_Page s_handler;
};

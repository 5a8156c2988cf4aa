#pragma once

#include "paneldata/SimplePointFilter.h"

// Points that are physical devices.
class RealPhysicalPointFilter final : public SimplePointFilter
{
public:
    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

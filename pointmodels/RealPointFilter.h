#pragma once

#include "paneldata/SimplePointFilter.h"

// Points on loops (channel kind 0 or 12, channel number 0).
class RealPointFilter final : public SimplePointFilter
{
public:
    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

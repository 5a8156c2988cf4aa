#pragma once

#include "paneldata/SimplePointFilter.h"

// Points the controller reports as disabled and forced.
class DisableDataMapFilter final : public SimplePointFilter
{
public:
    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

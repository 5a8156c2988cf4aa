#pragma once

#include "paneldata/SimplePointFilter.h"

// Leaves out the points of shut-down loops (and loop points whose address is
// no loop). A panel without a shut-down record has every loop in service;
// channels of other kinds pass.
class LoopNotDisabledFilter final : public SimplePointFilter
{
public:
    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

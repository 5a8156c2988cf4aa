#pragma once

#include "pointmodels/TaskPointFilter.h"

// Points by status, the mask choosing: 0x02 in fault, 0x01 active (as an
// input, an output or either by the mode), 0x04 disabled (likewise), 0x08
// none of these. A mask of 0 accepts every point.
class PointStatusFilter final : public TaskPointFilter
{
public:
    enum Status : int { Active = 0x01, Faulty = 0x02, Disabled = 0x04, Normal = 0x08 };

    PointStatusFilter(int mode, int statusMask)
        : TaskPointFilter(mode, statusMask)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

#pragma once

#include "pointmodels/TaskPointFilter.h"

// The points a disable or enable task may act on: real points of the
// task's mode, never on channel number 5, and by the action: 1 (disable)
// those not disabled, 2 (enable) those disabled, 3 (enable) those disabled
// and held by nothing else. Action 0 is a caller's slip: every eligible
// point passes, with a warning.
class DisablePointFilter final : public TaskPointFilter
{
public:
    enum Action : int { Invalid = 0, Disable = 1, Enable = 2, EnableUnheld = 3 };

    DisablePointFilter(int mode, int disableAction)
        : TaskPointFilter(mode, disableAction)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;
};

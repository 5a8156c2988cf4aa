#pragma once

#include "pointmodels/TaskPointFilter.h"

// The points a force action may act on: points of the task's mode, never
// on channel number 5, whose force state the action would change.
class ForcePointFilter final : public TaskPointFilter
{
public:
    enum Action : int { ForceOn = 1, ForceOff = 2, FirstPulse = 3, SecondPulse = 4, Unforce = 5, AnyPoint = 6 };
    // What the maps say of a point.
    enum State : int { NotForced = 1, ForcedOn = 2, ForcedOff = 3, Pulsing = 4, SecondPulsing = 5 };

    ForcePointFilter(int mode, int forceAction)
        : TaskPointFilter(mode, forceAction)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    State forceState(TC::panel_t panel, const ChannelAddress &channel, const PointAddressKey &record) const;
};

// The index of a force action's texts (0 unforce, 1 force on, 2 force off,
// 3 and 4 the pulses); an unknown action warns and gives 0.
int toForceActionIndex(int forceAction);

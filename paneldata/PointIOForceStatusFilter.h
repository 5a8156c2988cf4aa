#pragma once

#include "paneldata/SimplePointFilter.h"

// Forced outputs (I/O kind 2), or forced inputs of one selection: 1, 3 and 4
// pick one map each, any other selection takes every forced-input map.
class PointIOForceStatusFilter final : public SimplePointFilter
{
public:
    static constexpr int Outputs = 2;

    PointIOForceStatusFilter(int ioKind, int selection);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    bool m_outputs = false;
    bool m_selectionA = false;
    bool m_selectionB = false;
    bool m_selectionC = false;
};

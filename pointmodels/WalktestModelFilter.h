#pragma once

#include "paneldata/SimplePointFilter.h"

// The points of a walk test by result: mode 1 those not yet tested and not
// failed, mode 0 the failed ones; any other mode none.
class WalktestModelFilter final : public SimplePointFilter
{
public:
    enum Mode : int { Failed = 0, Untested = 1 };

    explicit WalktestModelFilter(int mode)
        : m_mode(mode)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    int m_mode;
};

#pragma once

#include "paneldata/SimplePointFilter.h"

// The points of a walk test by result: mode 0 those tested successfully,
// mode 1 the unfinished or failed ones (neither seen active nor
// successful); any other mode none.
class WalktestModelFilter final : public SimplePointFilter
{
public:
    enum Mode : int { Successful = 0, UnfinishedOrFailed = 1 };

    explicit WalktestModelFilter(int mode)
        : m_mode(mode)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    int m_mode;
};

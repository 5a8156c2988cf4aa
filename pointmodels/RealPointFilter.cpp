#include "pointmodels/RealPointFilter.h"

bool RealPointFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *) const
{
    return isLoopPointChannel(*channel);
}

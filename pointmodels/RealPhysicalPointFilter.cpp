#include "pointmodels/RealPhysicalPointFilter.h"

bool RealPhysicalPointFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    return (record->attributes & PhysicalMask) != NotPhysical;
}

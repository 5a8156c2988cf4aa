#include "pointmodels/DevAttrCfgFilter.h"

DevAttrCfgFilter::DevAttrCfgFilter(quint8 mask)
    : m_mask(mask)
{
}

bool DevAttrCfgFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    return (record->attributes & m_mask) != 0;
}

#include "pointmodels/ZoneCfgFilter.h"

ZoneCfgFilter::ZoneCfgFilter(const QList<quint8> &zones)
    : m_zones(zones)
{
}

bool ZoneCfgFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    return m_zones.isEmpty() || m_zones.contains(record->zone);
}

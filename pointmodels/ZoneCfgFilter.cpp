#include "pointmodels/ZoneCfgFilter.h"

ZoneCfgFilter::ZoneCfgFilter(const QList<quint8> &zones)
    : m_anyZone(zones.isEmpty())
{
    for (const quint8 zone : zones)
        m_zones.set(zone);
}

bool ZoneCfgFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    return m_anyZone || m_zones.test(record->zone);
}

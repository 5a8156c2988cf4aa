#include "paneldata/WalkTestSummary.h"

#include "paneldata/WalkTestHandler.h"

namespace {

quint16 zoneCountOf(int status, quint8 zoneSelector, const QBitArray &zones)
{
    if (status == WalkTestSummary::StoppedStatus || status == WalkTestSummary::NoWalkTest)
        return 0;
    switch (zoneSelector) {
    case WalkTestSummary::ListedZones:
        return quint16(zones.count(true));
    case WalkTestSummary::NoZones:
        return 0;
    case WalkTestSummary::AllZones:
        return WalkTestSummary::AllZonesCount;
    default:
        return 1;
    }
}

} // namespace

WalkTestSummary::WalkTestSummary(quint8 zoneSelector, int status, quint8 groupMask, const Counters &counters,
                                 const QBitArray &zones, int extraValue)
    : m_zones(zones)
    , m_status(status)
    , m_extraValue(extraValue)
    , m_counters(counters)
    , m_zoneSelector(zoneSelector)
    , m_groupMask(groupMask)
    , m_zoneCount(zoneCountOf(status, zoneSelector, zones))
{
}

bool WalkTestSummary::isActive() const
{
    return m_status >= 1 && m_status <= 5;
}

bool WalkTestSummary::isRunning() const
{
    return m_status >= 2 && m_status <= 5;
}

bool WalkTestSummary::canStop() const
{
    if (WalkTestHandler::instance()->isStopBlocked())
        return false;
    return m_status == 1 || (isRunning() && counter6() == 0);
}

void WalkTestSummary::keepPrevious(const WalkTestSummary &stored, bool fromCurrent)
{
    if (fromCurrent) {
        m_previousStatus = stored.m_status;
        m_previousZoneSelector = stored.m_zoneSelector;
        m_previousGroupMask = stored.m_groupMask;
    } else {
        m_previousStatus = stored.m_previousStatus;
        m_previousZoneSelector = stored.m_previousZoneSelector;
        m_previousGroupMask = stored.m_previousGroupMask;
    }
}

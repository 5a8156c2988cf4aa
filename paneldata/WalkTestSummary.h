#pragma once

#include <QBitArray>

#include <array>

// One panel's walk-test progress as the controller last reported it, with
// what it was before its last stop.
class WalkTestSummary final
{
public:
    using Counters = std::array<quint16, 6>;

    // Statuses 1 to 5 are walk-test states (2 to 5 running); 0 reports a
    // stop; 6 means no walk test.
    static constexpr int StoppedStatus = 0;
    static constexpr int NoWalkTest = 6;
    // Zone selectors: the zone bits list the zones, none, all zones; any
    // other value names one zone.
    static constexpr quint8 ListedZones = 252;
    static constexpr quint8 NoZones = 254;
    static constexpr quint8 AllZones = 255;
    static constexpr quint16 AllZonesCount = 241;

    WalkTestSummary() = default;
    WalkTestSummary(quint8 zoneSelector, int status, quint8 groupMask, const Counters &counters, const QBitArray &zones,
                    int extraValue);

    int getStatus() const { return m_status; }
    int previousStatus() const { return m_previousStatus; }
    int extraValue() const { return m_extraValue; }
    quint16 counter1() const { return m_counters[0]; }
    quint16 counter2() const { return m_counters[1]; }
    quint16 counter3() const { return m_counters[2]; }
    quint16 counter4() const { return m_counters[3]; }
    quint16 counter5() const { return m_counters[4]; }
    quint16 counter6() const { return m_counters[5]; }
    quint16 zoneCount() const { return m_zoneCount; }
    quint8 zoneSelector() const { return m_zoneSelector; }
    quint8 previousZoneSelector() const { return m_previousZoneSelector; }
    quint8 groupMask() const { return m_groupMask; }
    quint8 previousGroupMask() const { return m_previousGroupMask; }
    const QBitArray &zones() const { return m_zones; }

    bool isActive() const;
    bool isRunning() const;
    // A walk test may be stopped when it is starting, or running with no
    // device still to restore (sixth counter 0), and no stop is under way.
    bool canStop() const;

    // Takes the status, zone selector and group mask that the record held
    // before its last stop.
    void keepPrevious(const WalkTestSummary &stored, bool fromCurrent);

private:
    QBitArray m_zones;
    int m_status = NoWalkTest;
    int m_previousStatus = NoWalkTest;
    int m_extraValue = 0;
    Counters m_counters{};
    quint8 m_zoneSelector = NoZones;
    quint8 m_previousZoneSelector = NoZones;
    quint8 m_groupMask = 0;
    quint8 m_previousGroupMask = 0;
    quint16 m_zoneCount = 0;
};

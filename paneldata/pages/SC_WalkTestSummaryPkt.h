#pragma once

#include "paneldata/WalkTestSummary.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Page 22, one panel's walk-test summary. Body (16-bit fields big-endian):
//   0 status | 1 group mask | 2-13 counters 1 to 6 | 14 zone selector
//   (252: a zone bitmap follows) | with selector 252 and more bytes: first
//   zone, zone count, bitmap with bit i naming zone first + i |
//   then, when a byte remains, the extra value
// Panels 0 to 99 only.
class SC_WalkTestSummaryPkt final : public sc_SyncPagePacket
{
public:
    SC_WalkTestSummaryPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 status() const { return m_status; }
    quint8 groupMask() const { return m_groupMask; }
    const WalkTestSummary::Counters &counters() const { return m_counters; }
    quint8 zoneSelector() const { return m_zoneSelector; }
    // Empty without a bitmap, else 256 positions.
    const QBitArray &zones() const { return m_zones; }
    quint8 extraValue() const { return m_extraValue; }

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_status;
    quint8 m_groupMask;
    WalkTestSummary::Counters m_counters{};
    quint8 m_zoneSelector;
    QBitArray m_zones;
    quint8 m_extraValue = 0;
};

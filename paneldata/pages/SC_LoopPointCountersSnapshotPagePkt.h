#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

#include <array>

class SyncClient;

// Page 29, the loop point counters the engine asked a panel for. Body:
// record count | records: loop | state; state 3 adds a 32-bit counter | a
// second value | four point sets, each: present (0: nothing more) | first
// point | bit count | the bits of the set's points.
class SC_LoopPointCountersSnapshotPagePkt final : public sc_SyncPagePacket
{
public:
    static constexpr quint8 CountersFollow = 3;
    static constexpr int PointSets = 4;

    struct PointSet
    {
        quint8 present = 0;
        quint8 first = 0;
        quint8 count = 0;
        QBitArray points;
    };

    struct LoopRecord
    {
        quint8 loop = 0;
        quint8 state = 0;
        quint32 counter = 0;
        quint8 secondValue = 0;
        std::array<PointSet, PointSets> sets;
    };

    SC_LoopPointCountersSnapshotPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QVector<LoopRecord> &records() const { return m_records; }

    void handlePacketData() override;
    void serialise() override;

    // The two keys of one point set of a loop; nothing for a set not present.
    void storePointSet(quint8 panel, quint8 loop, int set, quint8 present, const QBitArray &points) const;

private:
    LoopRecord readRecord();

    QVector<LoopRecord> m_records;
};

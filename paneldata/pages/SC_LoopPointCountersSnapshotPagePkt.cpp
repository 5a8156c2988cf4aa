#include "paneldata/pages/SC_LoopPointCountersSnapshotPagePkt.h"

#include "link/SyncClient.h"
#include "paneldata/PointAddressing.h"

namespace {

constexpr std::array<const char *, SC_LoopPointCountersSnapshotPagePkt::PointSets> SetNames{"both", "left", "right",
                                                                                            "multipledevices"};
constexpr int PointPositions = 254;
constexpr quint8 ScanStopped = 0;
constexpr quint8 ScanFailed = 1;

} // namespace

SC_LoopPointCountersSnapshotPagePkt::SC_LoopPointCountersSnapshotPagePkt(
    const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    const quint8 count = buffer()->readUInt8();
    for (int i = 0; i < count && !buffer()->isBad(); ++i)
        m_records.append(readRecord());
}

SC_LoopPointCountersSnapshotPagePkt::LoopRecord SC_LoopPointCountersSnapshotPagePkt::readRecord()
{
    SC_PacketBuffer &bytes = *buffer();
    LoopRecord record;
    record.loop = bytes.readUInt8();
    record.state = bytes.readUInt8();
    if (record.state != CountersFollow)
        return record;
    record.counter = bytes.readUInt32();
    record.secondValue = bytes.readUInt8();
    for (PointSet &set : record.sets) {
        set.present = bytes.readUInt8();
        if (set.present == 0)
            continue;
        set.first = bytes.readUInt8();
        set.count = bytes.readUInt8();
        set.points = bytes.readBitArray(set.first, set.count);
    }
    return record;
}

void SC_LoopPointCountersSnapshotPagePkt::handlePacketData()
{
    const quint8 panel = panelNumber();
    for (const LoopRecord &record : qAsConst(m_records)) {
        if (record.state == CountersFollow) {
            setBucketKey(QStringLiteral("pld|%1|%2").arg(panel).arg(record.loop),
                         QStringLiteral("%1|%2|%3").arg(record.state).arg(record.counter).arg(record.secondValue));
            for (int set = 0; set < PointSets; ++set)
                storePointSet(panel, record.loop, set, record.sets[set].present, record.sets[set].points);
            client()->emitLoopScanCompleted(record.loop, true);
        } else if (record.state == ScanStopped || record.state == ScanFailed) {
            client()->emitLoopScanCompleted(record.loop, false);
        }
    }
}

void SC_LoopPointCountersSnapshotPagePkt::storePointSet(quint8 panel, quint8 loop, int set, quint8 present,
                                                        const QBitArray &points) const
{
    if (present == 0)
        return;
    const QLatin1String name(SetNames.at(size_t(set)));
    setBucketKey(QStringLiteral("%1responses|%2|%3").arg(name).arg(panel).arg(loop), QString::number(present));
    setBucketKey(QStringLiteral("%1|%2|%3").arg(name).arg(panel).arg(loop),
                 bitArrayToBitString(points).leftJustified(PointPositions, QLatin1Char('0'), true));
}

void SC_LoopPointCountersSnapshotPagePkt::serialise()
{
    buffer()->writeLength();
}

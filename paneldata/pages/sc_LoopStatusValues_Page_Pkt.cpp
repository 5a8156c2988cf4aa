#include "paneldata/pages/sc_LoopStatusValues_Page_Pkt.h"

#include "core/BucketKeys.h"
#include "core/TCTypes.h"

namespace {

constexpr quint8 RecordBytesRead = 7;

} // namespace

sc_LoopStatusValues_Page_Pkt::sc_LoopStatusValues_Page_Pkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                           SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    const quint8 recordSize = bytes.readUInt8();
    const quint8 count = bytes.readUInt8();
    for (int i = 0; i < count && !bytes.isBad(); ++i) {
        Record record;
        record.value1 = bytes.readUInt8();
        record.value2 = bytes.readUInt8();
        record.value3 = bytes.readUInt8();
        record.value4 = bytes.readUInt32();
        if (recordSize > RecordBytesRead)
            bytes.readByteVector(quint8(recordSize - RecordBytesRead));
        m_records.append(record);
    }
}

bool sc_LoopStatusValues_Page_Pkt::isRoutedHere() const
{
    return isTablePanel();
}

// The key numbers the loops by their place in the part, from 1.
void sc_LoopStatusValues_Page_Pkt::handlePacketData()
{
    for (int n = 1; n <= m_records.size(); ++n) {
        const Record &record = m_records.at(n - 1);
        setBucketKey(
            BucketKeys::loopStatusKey(panelNumber(), uint(n)),
            QStringLiteral("%1|%2|%3|%4").arg(record.value1).arg(record.value2).arg(record.value3).arg(record.value4));
    }
}

void sc_LoopStatusValues_Page_Pkt::serialise()
{
    buffer()->writeLength();
}

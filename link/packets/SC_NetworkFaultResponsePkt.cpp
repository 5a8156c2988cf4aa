#include "link/packets/SC_NetworkFaultResponsePkt.h"

#include "pointmodels/LkNetworkStats.h"

namespace {

constexpr quint8 CountersFollow = 0x01;
constexpr quint8 ExtraFollows = 0x04;

// Bytes of each counter of the block in order; 5 is a u32 and a byte.
constexpr std::array<int, SC_NetworkFaultResponsePkt::CounterCount> CounterWidths{
    {1, 1, 5, 4, 4, 4, 5, 4, 4, 4, 5, 5, 4, 4, 2, 2, 2}};

} // namespace

SC_NetworkFaultResponsePkt::SC_NetworkFaultResponsePkt(const QSharedPointer<SC_PacketBuffer> &received, bool legacy)
    : SC_LkSpeakBasePacket(received)
    , m_status(buffer()->readUInt8())
{
    SC_PacketBuffer &bytes = *buffer();
    if (length() <= quint32(bytes.headerLength() + 1))
        return;
    bytes.readUInt8();
    if (legacy) {
        readCounters();
        return;
    }
    m_reportFlags = bytes.readUInt8();
    if (m_reportFlags & CountersFollow)
        readCounters();
    if (m_reportFlags & ExtraFollows) {
        m_extra = bytes.readUInt8();
        m_extraPresent = true;
    }
}

void SC_NetworkFaultResponsePkt::readCounters()
{
    SC_PacketBuffer &bytes = *buffer();
    for (int i = 0; i < CounterCount; ++i) {
        switch (CounterWidths[size_t(i)]) {
        case 1:
            m_counters[size_t(i)] = bytes.readUInt8();
            break;
        case 2:
            m_counters[size_t(i)] = bytes.readUInt16();
            break;
        case 4:
            m_counters[size_t(i)] = bytes.readUInt32();
            break;
        default:
            m_counters[size_t(i)] = quint64(bytes.readUInt32()) << 8;
            m_counters[size_t(i)] |= bytes.readUInt8();
            break;
        }
    }
    m_countersPresent = true;
}

void SC_NetworkFaultResponsePkt::handlePacketData()
{
    LkNetworkStats *stats = LkNetworkStats::instance();
    if (!m_countersPresent) {
        stats->setNodeStatus(sourceNode(), m_status);
        return;
    }
    const std::array<quint64, CounterCount> &c = m_counters;
    stats->setNodeStatistics(sourceNode(), m_status, quint8(c[0]), quint8(c[1]), c[2], quint32(c[3]), quint32(c[4]),
                             quint32(c[5]), c[6], quint32(c[7]), quint32(c[8]), quint32(c[9]), c[10], c[11],
                             quint32(c[12]), quint32(c[13]), quint16(c[14]), quint16(c[15]), quint16(c[16]),
                             m_extraPresent ? m_extra : LkNetworkStats::NoExtendedFaultMap);
}

void SC_NetworkFaultResponsePkt::serialise()
{
    buffer()->writeLength();
}

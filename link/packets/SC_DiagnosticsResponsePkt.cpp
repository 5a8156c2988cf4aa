#include "link/packets/SC_DiagnosticsResponsePkt.h"

#include "link/SyncClient.h"

SC_DiagnosticsResponsePkt::SC_DiagnosticsResponsePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : SC_SystemManagerSupportPacket(received)
    , m_kind(buffer()->readUInt8())
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    if (m_kind == RbusCommsStats) {
        m_node = bytes.readUInt8();
        for (quint32 &counter : m_counters)
            counter = bytes.readUInt32();
    } else if (m_kind == FlashInfo) {
        m_counters[0] = bytes.readUInt32();
        m_counters[1] = bytes.readUInt32();
    }
}

void SC_DiagnosticsResponsePkt::handlePacketData()
{
    const std::array<quint32, 12> &c = m_counters;
    if (m_kind == RbusCommsStats) {
        emit m_client->AdvancedStatsRbusCommsReply(sourceNode(), m_node, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7],
                                                   c[8], c[9], c[10], c[11]);
    } else if (m_kind == FlashInfo) {
        emit m_client->AdvancedStatsFlashInfoReply(sourceNode(), c[0], c[1]);
    }
}

void SC_DiagnosticsResponsePkt::serialise()
{
    buffer()->writeLength();
}

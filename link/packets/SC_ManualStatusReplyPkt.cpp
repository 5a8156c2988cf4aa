#include "link/packets/SC_ManualStatusReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

SC_ManualStatusReplyPkt::SC_ManualStatusReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.readUInt8();
    m_status = bytes.readUInt8();
    m_result = bytes.readUInt8();
    m_id = bytes.readUInt16();
}

bool SC_ManualStatusReplyPkt::isAccepted() const
{
    const quint8 status = m_status & 0x7F;
    return (status == 0 || status == 1) && (m_result == 0 || m_result == 3 || m_result == 4 || m_result == 5);
}

void SC_ManualStatusReplyPkt::handlePacketData()
{
    m_client->getPointManagerServices()->handleManualStatusReply(*this);
}

void SC_ManualStatusReplyPkt::serialise()
{
}

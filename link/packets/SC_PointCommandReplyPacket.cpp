#include "link/packets/SC_PointCommandReplyPacket.h"

#include "link/SyncClient.h"

SC_PointCommandReplyPacket::SC_PointCommandReplyPacket(const QSharedPointer<SC_PacketBuffer> &received,
                                                       SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_first(buffer()->readUInt16())
    , m_completed(buffer()->readUInt16())
    , m_deferred(buffer()->readUInt16())
    , m_client(client)
{
}

void SC_PointCommandReplyPacket::handlePacketData()
{
    emit m_client->PointCommandReply(sequence(), m_first, m_completed, m_deferred);
}

void SC_PointCommandReplyPacket::serialise()
{
    buffer()->writeLength();
}

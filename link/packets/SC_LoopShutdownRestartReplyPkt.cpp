#include "link/packets/SC_LoopShutdownRestartReplyPkt.h"

#include "link/SyncClient.h"

SC_LoopShutdownRestartReplyPkt::SC_LoopShutdownRestartReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                               SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_reply.first = bytes.readUInt8();
    m_reply.second = bytes.readUInt8();
    m_reply.third = bytes.readUInt8();
    m_reply.fourth = bytes.readUInt8();
}

void SC_LoopShutdownRestartReplyPkt::handlePacketData()
{
    emit m_client->loopShutdownRestartPktReply(m_reply);
}

void SC_LoopShutdownRestartReplyPkt::serialise()
{
    buffer()->writeLength();
}

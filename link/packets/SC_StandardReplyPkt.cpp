#include "link/packets/SC_StandardReplyPkt.h"

#include "link/SyncClient.h"

SC_StandardReplyPkt::SC_StandardReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_status(buffer()->readUInt8())
    , m_client(client)
{
    buffer()->readUInt8();
    m_value = qint16(buffer()->readUInt16());
}

void SC_StandardReplyPkt::handlePacketData()
{
    emit m_client->lkSpeakStandardPktReply(eStandardReplyStatus(m_status), m_value);
}

void SC_StandardReplyPkt::serialise()
{
    buffer()->writeLength();
}

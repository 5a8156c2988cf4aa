#include "link/packets/SC_AcknowledgementPkt.h"

#include "link/SyncClient.h"

SC_AcknowledgementPkt::SC_AcknowledgementPkt(const SC_LkSpeakBasePacket &request, quint8 answer)
    : SC_TESKSupportPacket(request, SubCode)
    , m_answer(answer)
{
}

SC_AcknowledgementPkt::SC_AcknowledgementPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_answer(buffer()->readUInt8())
    , m_client(client)
{
}

void SC_AcknowledgementPkt::handlePacketData()
{
    if (m_client)
        m_client->emitAcknowledgementStatus(eAckResponse(m_answer));
}

void SC_AcknowledgementPkt::serialise()
{
    buffer()->appendByte(m_answer);
    buffer()->writeLength();
}

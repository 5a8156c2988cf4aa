#include "link/packets/SC_SupervisionPacket.h"

#include "link/SyncClient.h"

SC_SupervisionPacket::SC_SupervisionPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_s1(buffer()->readUInt8())
    , m_s2(buffer()->readUInt8())
    , m_s3(buffer()->readUInt8())
    , m_s4(buffer()->readUInt8())
    , m_client(client)
{
}

SC_SupervisionPacket::SC_SupervisionPacket(const SC_LkSpeakBasePacket &request, SyncClient *client)
    : SC_TESKSupportPacket(request, SubCode)
    , m_s1(6)
    , m_s2(1)
    , m_s3(0)
    , m_s4(1)
    , m_client(client)
{
}

void SC_SupervisionPacket::handlePacketData()
{
    if (isRequest())
        emit m_client->SupervisionRequest(this);
}

void SC_SupervisionPacket::serialise()
{
    buffer()->appendByte(m_s1);
    buffer()->appendByte(m_s2);
    buffer()->appendByte(m_s3);
    buffer()->appendByte(m_s4);
    buffer()->writeLength();
}

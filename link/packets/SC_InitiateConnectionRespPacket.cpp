#include "link/packets/SC_InitiateConnectionRespPacket.h"

SC_InitiateConnectionRespPacket::SC_InitiateConnectionRespPacket(const SC_LkSpeakBasePacket &request,
                                                                 const QByteArray &connectionKey)
    : SC_TESKSupportPacket(request, SubCode)
    , m_connectionKey(connectionKey)
{
}

void SC_InitiateConnectionRespPacket::handlePacketData()
{
}

void SC_InitiateConnectionRespPacket::serialise()
{
    buffer()->appendByteArray(QByteArray::fromRawData("\x06\x01\x00\x01\x00\x07", 6));
    buffer()->appendByte(quint8(m_connectionKey.size()));
    buffer()->appendByteArray(m_connectionKey);
    buffer()->writeLength();
}

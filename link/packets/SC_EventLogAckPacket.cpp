#include "link/packets/SC_EventLogAckPacket.h"

SC_EventLogAckPacket::SC_EventLogAckPacket(const Fields &fields, const SC_RequestAddress &address)
    : SC_LkSpeakBasePacket(requestHeader(FunctionCode, address))
    , m_fields(fields)
{
}

void SC_EventLogAckPacket::handlePacketData()
{
}

void SC_EventLogAckPacket::serialise()
{
    buffer()->appendUInt16(m_fields.clientId);
    buffer()->appendUInt16(m_fields.sequenceNumber);
    buffer()->appendByte(m_fields.status);
    buffer()->appendByte(m_fields.ackType);
    buffer()->writeLength();
}

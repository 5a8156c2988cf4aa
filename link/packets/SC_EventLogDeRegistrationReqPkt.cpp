#include "link/packets/SC_EventLogDeRegistrationReqPkt.h"

SC_EventLogDeRegistrationReqPkt::SC_EventLogDeRegistrationReqPkt(quint16 clientId, const SC_RequestAddress &address)
    : SC_LkSpeakBasePacket(requestHeader(FunctionCode, address))
    , m_clientId(clientId)
{
}

void SC_EventLogDeRegistrationReqPkt::handlePacketData()
{
}

void SC_EventLogDeRegistrationReqPkt::serialise()
{
    buffer()->appendUInt16(m_clientId);
    buffer()->writeLength();
}

#include "link/packets/SC_AcknowledgementPkt.h"

SC_AcknowledgementPkt::SC_AcknowledgementPkt(const SC_LkSpeakBasePacket &request, quint8 answer)
    : SC_TESKSupportPacket(request, SubCode)
    , m_answer(answer)
{
}

void SC_AcknowledgementPkt::handlePacketData()
{
}

void SC_AcknowledgementPkt::serialise()
{
    buffer()->appendByte(m_answer);
    buffer()->writeLength();
}

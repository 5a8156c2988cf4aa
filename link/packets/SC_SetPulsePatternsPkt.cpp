#include "link/packets/SC_SetPulsePatternsPkt.h"

#include "link/SC_LinkEffects.h"

SC_SetPulsePatternsPkt::SC_SetPulsePatternsPkt(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
    , m_first(buffer()->readUInt8())
    , m_second(buffer()->readUInt8())
{
}

void SC_SetPulsePatternsPkt::handlePacketData()
{
    SC_LinkEffects::installed()->setPulsePatterns(m_first, m_second);
}

void SC_SetPulsePatternsPkt::serialise()
{
    buffer()->writeLength();
}

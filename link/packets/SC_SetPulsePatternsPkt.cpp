#include "link/packets/SC_SetPulsePatternsPkt.h"

#include "app/SystemState.h"

SC_SetPulsePatternsPkt::SC_SetPulsePatternsPkt(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
    , m_first(buffer()->readUInt8())
    , m_second(buffer()->readUInt8())
{
}

void SC_SetPulsePatternsPkt::handlePacketData()
{
    flasher &leds = SystemState::instance(true)->ledFlasher();
    leds.rateA().setPulsePattern(m_first);
    leds.rateB().setPulsePattern(m_second);
}

void SC_SetPulsePatternsPkt::serialise()
{
    buffer()->writeLength();
}

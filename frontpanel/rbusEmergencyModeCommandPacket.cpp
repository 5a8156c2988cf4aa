#include "frontpanel/rbusEmergencyModeCommandPacket.h"

#include "frontpanel/RbusPacketBuffer.h"

namespace {

constexpr quint8 EmergencyCommandCode = 47;
constexpr quint8 EmergencyCommandSubCode = 0;
constexpr int OtherLongFormType = 7;

} // namespace

rbusEmergencyModeCommandPacket::rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer> buffer, int type)
    : rbusBasePacket(std::move(buffer), EmergencyCommandCode, EmergencyCommandSubCode)
    , m_form(ShortForm)
    , m_type(type)
    , m_value(0)
    , m_first(0)
    , m_second(0)
{
}

rbusEmergencyModeCommandPacket::rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer> buffer, int type,
                                                               int value, quint8 first, quint8 second)
    : rbusBasePacket(std::move(buffer), EmergencyCommandCode, EmergencyCommandSubCode)
    , m_form(LongForm)
    , m_type(type)
    , m_value(value)
    , m_first(first)
    , m_second(second)
{
}

void rbusEmergencyModeCommandPacket::serialise()
{
    appendHeader();
    out().append(0);
    out().append(quint8(m_form));
    out().append(quint8(m_type));
    if (m_form == ShortForm) {
        if (m_type != Reset && m_type != SilenceSounders)
            setInvalid();
    } else if (m_type == OtherLongFormType || m_type == Disable) {
        out().append(quint8(m_value));
        out().append(1);
        out().append(m_first);
        out().append(m_second);
    } else {
        setInvalid();
    }
    out().setPacketLength();
}

#pragma once

#include "frontpanel/rbusBasePacket.h"

// A command of the E30 emergency mode. Body: 0, the form, the command type;
// the long form adds the value, 1 and two parameter bytes. Valid are the
// short form with type 1 (reset) or 2 (silence sounders) and the long form
// with type 7 or 9 (disable).
class rbusEmergencyModeCommandPacket final : public rbusBasePacket
{
public:
    enum Type { Reset = 1, SilenceSounders = 2, Disable = 9 };

    // The short form.
    rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer> buffer, int type);
    // The long form.
    rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer> buffer, int type, int value, quint8 first,
                                   quint8 second);

    // An invalid command still gets its length byte.
    void serialise() override;

private:
    enum Form { ShortForm = 2, LongForm = 3 };

    int m_form;
    int m_type;
    int m_value;
    quint8 m_first;
    quint8 m_second;
};

#include "frontpanel/flashInterject.h"

#include "frontpanel/flasher.h"

flashInterject::flashInterject(flasher &owner)
    : flashRate(BeepPattern)
    , m_owner(owner)
{
}

void flashInterject::play(quint8 kind, quint8 number, quint32 pattern, int period, int restoreMode)
{
    m_kind = kind;
    m_pendingNumber = number;
    setPattern(pattern);
    m_period = (period <= 0 || period > 32) ? 32 : period;
    reset();
    m_restoreMode = restoreMode;
}

bool flashInterject::isPlayingOn(quint8 kind, quint8 number) const
{
    return m_pendingNumber != 0 && m_kind == kind && m_pendingNumber == number;
}

void flashInterject::tick()
{
    setPhase((phase() + 1) % m_period);
    if (phase() != 0 || m_pendingNumber == 0)
        return;
    const quint8 number = m_pendingNumber;
    m_pendingNumber = 0;
    m_owner.setOutputPointState(m_kind, number, m_restoreMode);
}

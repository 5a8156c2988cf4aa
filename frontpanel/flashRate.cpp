#include "frontpanel/flashRate.h"

flashRate::flashRate(quint32 pattern)
    : m_pattern(pattern)
{
}

flashRate::~flashRate() = default;

void flashRate::tick()
{
    m_phase = (m_phase + 1) % 32;
}

quint32 flashRate::setPulsePattern(quint8 bits)
{
    m_pattern = 0;
    for (int i = 0; i < 8; ++i) {
        if (bits & (1u << i))
            m_pattern |= 0xFu << (4 * i);
    }
    return m_pattern;
}

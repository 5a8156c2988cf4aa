#pragma once

#include <QtGlobal>

// One rhythm of the LED flasher: 32 steps of its 125 ms tick, bit n of the
// pattern lit in step n.
class flashRate
{
public:
    explicit flashRate(quint32 pattern = 0);
    virtual ~flashRate();

    quint32 pattern() const { return m_pattern; }
    // Each bit i of the byte lights the four steps 4i to 4i + 3, so 0x55
    // gives 0x0F0F0F0F; returns the new pattern.
    quint32 setPulsePattern(quint8 bits);

private:
    quint32 m_pattern;
};

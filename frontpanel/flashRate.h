#pragma once

#include <QtGlobal>

// One rhythm of the LED flasher: 32 steps of its 125 ms tick, bit n of the
// pattern lit in step n.
class flashRate
{
public:
    explicit flashRate(quint32 pattern = 0);
    virtual ~flashRate();
    flashRate(const flashRate &) = delete;
    flashRate &operator=(const flashRate &) = delete;

    virtual void tick();

    quint32 pattern() const { return m_pattern; }
    void setPattern(quint32 pattern) { m_pattern = pattern; }
    // Each bit i of the byte lights the four steps 4i to 4i + 3, so 0x55
    // gives 0x0F0F0F0F; returns the new pattern.
    quint32 setPulsePattern(quint8 bits);

    int phase() const { return m_phase; }
    void reset() { m_phase = 0; }
    bool isOn() const { return (m_pattern >> m_phase) & 1u; }

protected:
    void setPhase(int phase) { m_phase = phase; }

private:
    quint32 m_pattern;
    int m_phase = 0;
};

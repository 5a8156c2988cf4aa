#pragma once

#include "frontpanel/flashRate.h"

#include <array>

// The LED flasher's buzzer mute flags and the LED states of the output
// points. While either mute flag is set the buzzer stays silent.
class flasher final
{
public:
    // Output point kinds: the real points 1 to 39 and the bus points 1 to
    // 250. LED states: 0 off, 1 on, 2 and 3 the two pulse patterns.
    enum OutputPointKind { RealOutput = 0, BusOutput = 2 };
    static constexpr int RealOutputPoints = 39;
    static constexpr int BusOutputPoints = 250;

    bool isBuzzerDisabled() const { return m_buzzerDisabled; }
    void setBuzzerDisabled(bool disabled) { m_buzzerDisabled = disabled; }

    bool isBuzzerOverride() const { return m_buzzerOverride; }
    void setBuzzerOverride(bool override) { m_buzzerOverride = override; }

    // A point number out of range is refused with a warning; other kinds
    // are ignored.
    void setOutputPointState(int kind, int index, int value);
    // 0 for a point that does not exist.
    int outputPointState(int kind, int index) const;
    void clearOutputPointStates();

    // The rhythms of LED states 2 and 3, which the controller may set.
    flashRate &rateA() { return m_rateA; }
    flashRate &rateB() { return m_rateB; }

private:
    bool m_buzzerDisabled = false;
    bool m_buzzerOverride = false;
    std::array<int, RealOutputPoints + 1> m_realOutputs{};
    std::array<int, BusOutputPoints + 1> m_busOutputs{};
    flashRate m_rateA{0x0F0F0F0F};
    flashRate m_rateB{0xF0F0F0F0};
};

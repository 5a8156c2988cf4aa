#pragma once

// The LED flasher's buzzer mute flags. While either is set the buzzer stays
// silent.
class flasher final
{
public:
    bool isBuzzerDisabled() const { return m_buzzerDisabled; }
    void setBuzzerDisabled(bool disabled) { m_buzzerDisabled = disabled; }

    bool isBuzzerOverride() const { return m_buzzerOverride; }
    void setBuzzerOverride(bool override) { m_buzzerOverride = override; }

private:
    bool m_buzzerDisabled = false;
    bool m_buzzerOverride = false;
};

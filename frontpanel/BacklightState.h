#pragma once

#include <QObject>

// One step of the backlight: its brightness, the timer that runs while it is
// current, and the step each event leads to.
class BacklightState final : public QObject
{
    Q_OBJECT

public:
    enum TimerMode { NoTimer = 0, ShortTimer = 1, LongTimer = 2 };

    struct Transitions
    {
        BacklightState *fire = nullptr;
        BacklightState *fault = nullptr;
        BacklightState *counts = nullptr;
        BacklightState *shortTimeout = nullptr;
        BacklightState *longTimeout = nullptr;
        BacklightState *powerChange = nullptr;
        BacklightState *userActivity = nullptr;
    };

    BacklightState(int level, int timerMode, QObject *parent = nullptr);

    void setTransitions(const Transitions &transitions) { m_next = transitions; }
    const Transitions &next() const { return m_next; }
    BacklightState *getUserActivateState() const { return m_next.userActivity; }

    int getBrightness() const { return m_level; }
    int timerMode() const { return m_timerMode; }

private:
    Transitions m_next;
    int m_level;
    int m_timerMode;
};

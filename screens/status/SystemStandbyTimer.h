#pragma once

#include "core/SC_Singleton.h"

#include <QObject>

class SC_Timer;

// Counts the controller's standby countdown down locally, one tick a
// second, between the controller's reports. Kind 1 is the second kind of
// standby; a countdown of kind 5 is not replaced by another kind.
class SystemStandbyTimer final
    : public QObject
    , public SC_Singleton<SystemStandbyTimer>
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;
    static constexpr int KeptKind = 5;

    // 0 seconds stops a running countdown.
    void startCountdown(quint16 seconds, int kind);
    void stopCountdown();

    bool isRunning() const;
    quint16 remainingSeconds() const { return m_seconds; }
    int kind() const { return m_kind; }

signals:
    void StandbyTimerStart();
    void StandbyTimerStop();

private:
    friend class SC_Singleton<SystemStandbyTimer>;

    SystemStandbyTimer();

    void tick();

    SC_Timer *m_timer;
    quint16 m_seconds = 0;
    int m_kind = 0;
};

#pragma once

#include "core/SC_Singleton.h"

#include <QObject>
#include <QPointer>

class AUK_40026;
class AUK_40047;
class Page;
class SC_Timer;

// Turns the controller's stream of standby times into one countdown: the
// first non-zero time starts it, blocks the front-panel keys and shows the
// popup of its kind, kept on top once a second; a time of 0, another kind
// or the loss of the panel link ends it. Kind 1 is the panel's
// initialisation, which shows its own two-minute count; every other kind
// shows the panel's time.
class SystemStandbyTimer final
    : public QObject
    , public SC_Singleton<SystemStandbyTimer>
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;
    // The kind before any countdown: a running countdown of this kind is
    // not replaced by another kind.
    static constexpr int NoCountdownKind = 5;
    static constexpr int InitialisationKind = 1;
    static constexpr quint16 InitialisationSeconds = 120;

    // Called with every report of the controller; 0 seconds ends a running
    // countdown, the same kind only refreshes the time.
    void startCountdown(quint16 seconds, int kind);

    bool isRunning() const;
    quint16 remainingSeconds() const { return m_seconds; }
    int kind() const { return m_kind; }

signals:
    void StandbyTimerStart();

public slots:
    void StopStandbyCountDown();
    void TimerTick();

private:
    friend class SC_Singleton<SystemStandbyTimer>;

    SystemStandbyTimer();

    void stop();
    // Pushes the popup of the kind unless it is already the top page; a
    // popup that another page covered is replaced, so only one is stacked.
    void raisePopup();
    Page *popup() const;

    SC_Timer *m_timer;
    quint16 m_seconds = 0;
    QPointer<AUK_40026> m_countdownPopup;
    QPointer<AUK_40047> m_initialisationPopup;
    int m_kind = NoCountdownKind;
    quint16 m_initialisationCountdown = InitialisationSeconds;
};

#pragma once

#include "core/SC_Singleton.h"

#include <QMetaType>
#include <QObject>

class SC_Timer;

// The kind of investigate delay the controller reports.
enum eDlyContext : int {
    eDlyNone = 0,
    eDlyContext1 = 1,
    eDlyContext2 = 2,
};
Q_DECLARE_METATYPE(eDlyContext)

// Counts the controller's investigate delay down locally, one tick a
// second, so the fire screens show minutes and seconds between reports.
class InvestigateDelayTimer final
    : public QObject
    , public SC_Singleton<InvestigateDelayTimer>
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;

    void startDelay(int seconds, int context);
    void stopCountdown();

    int remainingMinutes() const { return m_seconds / 60; }
    int remainingSeconds() const { return m_seconds % 60; }
    bool isCounting() const;
    int currentContext() const { return m_context; }

signals:
    void investigateDelayTimeoutEvent();
    void investigateDelayTimeTick(int minutes, int seconds, eDlyContext context);
    void investigateDelayStart();
    void investigateDelayContextChange();
    void investigateDelayFinished();

public slots:
    void Tick();
    void Disconnected();

private:
    friend class SC_Singleton<InvestigateDelayTimer>;

    InvestigateDelayTimer();

    void finish();

    SC_Timer *m_tickTimer;
    int m_seconds = 0;
    eDlyContext m_context = eDlyNone;
};

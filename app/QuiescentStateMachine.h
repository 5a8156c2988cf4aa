#pragma once

#include "app/DelaySignal.h"
#include "core/SC_Singleton.h"

#include <QObject>
#include <QStateMachine>

class QuiescentOffState;
class QuiescentState;
class QuiescentTimingState;
class SC_Timer;
class WarningsModel;

// Decides when the panel falls back to its idle view, the start screen
// alone: only on the panel link when nobody is logged on, no fire is shown
// and nothing is pending (information text, panel activity, warnings, a
// bucket-0 alarm flag), after three minutes without input. Any alarm, a
// key-in, a log-on or the loss of the connection holds the idle view off;
// once that ends, a full quiet period must pass again.
class QuiescentStateMachine final
    : public QObject
    , public SC_Singleton<QuiescentStateMachine>
{
    Q_OBJECT

public:
    static constexpr int InactivityMs = 180000;

    explicit QuiescentStateMachine(QObject *parent = nullptr);

    bool isQuiescentAllowed() const;
    bool isSummaryActive() const { return m_summaryActive; }
    // The object name of the current state; empty before the machine runs.
    QString currentState() const;
    // The quiet period; tests shorten it below the operator's log-out time.
    void setInactivityInterval(int milliseconds);

public slots:
    void updateClock();
    void informationTextMessagesUpdated();
    void teskBucketUpdated();
    void panelStatusCountsUpdated();
    void updateWarningsCounter();

signals:
    void showQuiescent();
    void systemSummaryActivated();
    void systemSummaryDeactivated();

private:
    void watchPendingInformation(int guiMode);
    void addTransitions(int guiMode);
    void updateSummary();

    SC_Timer *m_timer;
    // Owns the states.
    QStateMachine m_machine;
    QuiescentState *m_quiescent;
    QuiescentTimingState *m_timing;
    QuiescentOffState *m_off;
    bool m_informationText = false;
    bool m_panelActivity = false;
    bool m_warnings = false;
    bool m_alarmFlag = false;
    bool m_summaryActive = false;
    DelaySignal m_warningsDelay;
    WarningsModel *m_warningsModel = nullptr;
};

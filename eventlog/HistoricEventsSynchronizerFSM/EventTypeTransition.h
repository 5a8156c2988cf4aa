#pragma once

#include <QAbstractTransition>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// Taken on one of the machine's own events.
class EventTypeTransition : public QAbstractTransition
{
    Q_OBJECT

public:
    EventTypeTransition(QEvent::Type type, QState *source);

protected:
    bool eventTest(QEvent *event) override;
    void onTransition(QEvent *event) override;

private:
    const QEvent::Type m_type;
};

// Idle, a finished run or a lost link to a new run.
class StartTransition final : public EventTypeTransition
{
    Q_OBJECT

public:
    explicit StartTransition(QState *source);
};

// A run ends: through the de-registration when registered, at once otherwise.
class StopTransition final : public EventTypeTransition
{
    Q_OBJECT

public:
    explicit StopTransition(QState *source);
};

// An unanswered request is sent again.
class RestartTransition final : public EventTypeTransition
{
    Q_OBJECT

public:
    explicit RestartTransition(QState *source);
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

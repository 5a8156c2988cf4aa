#pragma once

#include <QAbstractTransition>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// Taken on one of the machine's own events (start, stop, restart).
class EventTypeTransition final : public QAbstractTransition
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

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

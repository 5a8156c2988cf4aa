#pragma once

#include <QEvent>
#include <QStateMachine>

namespace EventLog {

class SyncClock;
class SyncTimer;

namespace HistoricEventsSynchronizerFSM {

// The historic synchroniser's machine: it remembers the client id the
// controller gave it and owns the one repeating timer that every waiting
// state restarts. Its delayed events wait on the same clock.
class StateMachine final : public QStateMachine
{
    Q_OBJECT

public:
    explicit StateMachine(SyncClock &clock, QObject *parent = nullptr);

    quint16 clientId() const { return m_clientId; }
    void setClientId(quint16 clientId) { m_clientId = clientId; }
    SyncTimer &timer() const { return *m_timer; }

    // Posts one of the machine's own events after msec.
    void postAfter(QEvent::Type type, int msec);

private:
    SyncClock &m_clock;
    quint16 m_clientId = 0;
    SyncTimer *m_timer;
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

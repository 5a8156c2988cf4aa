#pragma once

#include <QEvent>
#include <QHash>
#include <QStateMachine>

class SC_Timer;

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// The historic synchroniser's machine: it remembers the client id the
// controller gave it and owns the one repeating timer that every waiting
// state restarts. Its timers are the link's, so a test's fake clock drives
// them.
class StateMachine final : public QStateMachine
{
    Q_OBJECT

public:
    explicit StateMachine(QObject *parent = nullptr);

    quint16 clientId() const { return m_clientId; }
    void setClientId(quint16 clientId) { m_clientId = clientId; }
    SC_Timer &timer() const { return *m_timer; }

    // Posts one of the machine's own events after msec.
    void postAfter(QEvent::Type type, int msec);
    // Drops the events of that type still waiting to be posted.
    void cancelPosts(QEvent::Type type);

private:
    quint16 m_clientId = 0;
    SC_Timer *m_timer;
    QHash<SC_Timer *, QEvent::Type> m_waiting;
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

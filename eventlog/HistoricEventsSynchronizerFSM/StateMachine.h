#pragma once

#include "eventlog/HistoricLogClient.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QStateMachine>

#include <functional>

class SC_Timer;

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// The historic synchroniser's machine: it holds the link's event-log client
// its states talk to, remembers the client id the controller gave it and
// owns the one repeating timer that every waiting state restarts. Its timers
// are the link's, so a test's fake clock drives them.
class StateMachine final : public QStateMachine
{
    Q_OBJECT

public:
    explicit StateMachine(HistoricLogClient *client, QObject *parent = nullptr);

    HistoricLogClient *client() const { return m_client; }
    quint16 clientId() const { return m_clientId; }
    void setClientId(quint16 clientId) { m_clientId = clientId; }
    SC_Timer &timer() const { return *m_timer; }

    // Posts one of the machine's own events (a MyEvent) after msec.
    template <typename Event> void postAfter(int msec)
    {
        schedule(Event::type(), msec, [this] { postEvent(new Event); });
    }
    // Drops the events of that type still waiting to be posted.
    void cancelPosts(QEvent::Type type);

private:
    void schedule(QEvent::Type type, int msec, std::function<void()> post);

    QPointer<HistoricLogClient> m_client;
    quint16 m_clientId = 0;
    SC_Timer *m_timer;
    QHash<SC_Timer *, QEvent::Type> m_waiting;
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

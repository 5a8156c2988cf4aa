#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"

#include "core/SC_Timer.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

StateMachine::StateMachine(HistoricLogClient *client, QObject *parent)
    : QStateMachine(parent)
    , m_client(client)
    , m_timer(SC_Timer::create(this))
{
}

void StateMachine::schedule(QEvent::Type type, int msec, std::function<void()> post)
{
    SC_Timer *delay = SC_Timer::create(this);
    delay->setSingleShot(true);
    m_waiting.insert(delay, type);
    connect(delay, &SC_Timer::timeout, this, [this, delay, post] {
        m_waiting.remove(delay);
        delay->deleteLater();
        post();
    });
    delay->start(msec);
}

void StateMachine::cancelPosts(QEvent::Type type)
{
    for (auto waiting = m_waiting.begin(); waiting != m_waiting.end();) {
        if (waiting.value() != type) {
            ++waiting;
            continue;
        }
        waiting.key()->stop();
        waiting.key()->deleteLater();
        waiting = m_waiting.erase(waiting);
    }
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"

#include "core/SC_Timer.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

StateMachine::StateMachine(QObject *parent)
    : QStateMachine(parent)
    , m_timer(SC_Timer::create(this))
{
}

void StateMachine::postAfter(QEvent::Type type, int msec)
{
    SC_Timer *delay = SC_Timer::create(this);
    delay->setSingleShot(true);
    m_waiting.insert(delay, type);
    connect(delay, &SC_Timer::timeout, this, [this, delay, type] {
        m_waiting.remove(delay);
        delay->deleteLater();
        postEvent(new QEvent(type));
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

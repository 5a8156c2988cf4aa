#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"

#include "eventlog/SyncClock.h"
#include "eventlog/SyncTimer.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

StateMachine::StateMachine(SyncClock &clock, QObject *parent)
    : QStateMachine(parent), m_clock(clock), m_timer(clock.createTimer(false, this))
{
}

void StateMachine::postAfter(QEvent::Type type, int msec)
{
    SyncTimer *delay = m_clock.createTimer(true, this);
    connect(delay, &SyncTimer::timeout, this, [this, delay, type] {
        delay->deleteLater();
        postEvent(new QEvent(type));
    });
    delay->start(msec);
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

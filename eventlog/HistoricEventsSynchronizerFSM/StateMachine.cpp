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
    connect(delay, &SC_Timer::timeout, this, [this, delay, type] {
        delay->deleteLater();
        postEvent(new QEvent(type));
    });
    delay->start(msec);
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

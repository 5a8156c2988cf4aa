#include "eventlog/HistoricEventsSynchronizerFSM/EventTypeTransition.h"

#include "eventlog/HistoricEventsSynchronizerFSM/MyEvent.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

EventTypeTransition::EventTypeTransition(QEvent::Type type, QState *source)
    : QAbstractTransition(source)
    , m_type(type)
{
}

bool EventTypeTransition::eventTest(QEvent *event)
{
    return event->type() == m_type;
}

void EventTypeTransition::onTransition(QEvent *)
{
}

StartTransition::StartTransition(QState *source)
    : EventTypeTransition(StartEvent::type(), source)
{
}

StopTransition::StopTransition(QState *source)
    : EventTypeTransition(StopEvent::type(), source)
{
}

RestartTransition::RestartTransition(QState *source)
    : EventTypeTransition(RestartEvent::type(), source)
{
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

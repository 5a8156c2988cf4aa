#include "eventlog/HistoricEventsSynchronizerFSM/EventTypeTransition.h"

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

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

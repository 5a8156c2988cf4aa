#include "eventlog/HistoricEventsSynchronizerFSM/SyncEvents.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

QEvent::Type startEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType(1001));
    return type;
}

QEvent::Type stopEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType(1002));
    return type;
}

QEvent::Type restartEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType(1003));
    return type;
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

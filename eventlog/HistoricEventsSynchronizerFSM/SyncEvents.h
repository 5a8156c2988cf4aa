#pragma once

#include <QEvent>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// The machine's own events, each type registered once.
QEvent::Type startEvent();
QEvent::Type stopEvent();
QEvent::Type restartEvent();

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

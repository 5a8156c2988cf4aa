#pragma once

#include <QEvent>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

// The machine's own events: 1001 start, 1002 stop, 1003 restart. Each type is
// registered once with its number as the hint, which it gets as long as no
// other part of the program has taken that number.
template <int N> class MyEvent final : public QEvent
{
public:
    MyEvent()
        : QEvent(type())
    {
    }

    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType(N));
        return registered;
    }
};

using StartEvent = MyEvent<1001>;
using StopEvent = MyEvent<1002>;
using RestartEvent = MyEvent<1003>;

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog

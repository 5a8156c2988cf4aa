#pragma once

#include "core/SC_Timer.h"

#include <QList>
#include <QPointer>

// Drives every SC_Timer created while it lives: time stands still until the
// test advances it, and each timer fires exactly when it is due, in order.
// Events posted before and by each firing are delivered after it, as the
// event loop would.
class FakeClock final
{
public:
    FakeClock();
    ~FakeClock();
    FakeClock(const FakeClock &) = delete;
    FakeClock &operator=(const FakeClock &) = delete;

    qint64 now() const { return m_now; }
    void advance(qint64 milliseconds);

private:
    class Timer;

    QList<QPointer<Timer>> m_timers;
    qint64 m_now = 0;
};

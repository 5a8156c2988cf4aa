#pragma once

#include <QDeadlineTimer>
#include <QTest>

// Waits for a child process or a socket to bring something about, handling
// this process's events meanwhile: true as soon as 'done' holds, false when
// it still does not after the time-out. Engine timers are never waited for
// this way; tests drive them through the fake clock.
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs = 30000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

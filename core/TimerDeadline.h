#pragma once

#include <QtGlobal>

#include <optional>

// When a real timer that is restarted far more often than it expires (a
// supervision restarted by every packet) has to run its native timer again.
// A restart only moves the deadline: the native timer, already due no later,
// keeps running, and when it expires early it waits the rest. So a restart
// costs a clock reading instead of a timer unregistered and registered.
// Times are nanoseconds on one monotonic clock, delays whole milliseconds.
class TimerDeadline final
{
public:
    // The timer (re)started at 'now', due 'milliseconds' later. The delay to
    // start the native timer with, or none when it may keep running.
    std::optional<int> restart(qint64 now, int milliseconds);
    // The native timer expired at 'now'. None when the timer is due, else the
    // delay to start the native timer with again.
    std::optional<int> nativeExpired(qint64 now);
    void stop() { m_nativeRunning = false; }

private:
    std::optional<int> runNative(qint64 now, qint64 due);

    qint64 m_due = 0;
    qint64 m_nativeDue = 0;
    bool m_nativeRunning = false;
};

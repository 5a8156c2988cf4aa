#include "core/TimerDeadline.h"

namespace {

constexpr qint64 NanosecondsPerMs = 1000000;

} // namespace

std::optional<int> TimerDeadline::restart(qint64 now, int milliseconds)
{
    m_due = now + qint64(milliseconds) * NanosecondsPerMs;
    if (m_nativeRunning && m_nativeDue <= m_due)
        return std::nullopt;
    return runNative(now, m_due);
}

std::optional<int> TimerDeadline::nativeExpired(qint64 now)
{
    m_nativeRunning = false;
    // Not moved since the native timer started: due, even if the native
    // clock's rounding let it expire a fraction of a millisecond early.
    if (m_due <= m_nativeDue || m_due <= now)
        return std::nullopt;
    return runNative(now, m_due);
}

std::optional<int> TimerDeadline::runNative(qint64 now, qint64 due)
{
    m_nativeDue = due;
    m_nativeRunning = true;
    // Rounded up, so that the native timer never expires before the deadline
    // it was started for.
    return int((due - now + NanosecondsPerMs - 1) / NanosecondsPerMs);
}

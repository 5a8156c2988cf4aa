#include "screens/status/SystemStandbyTimer.h"

#include "core/SC_Timer.h"

SystemStandbyTimer::SystemStandbyTimer()
    : m_timer(SC_Timer::create(this))
{
    m_timer->setInterval(TickMs);
    connect(m_timer, &SC_Timer::timeout, this, &SystemStandbyTimer::tick);
}

bool SystemStandbyTimer::isRunning() const
{
    return m_timer->isActive();
}

void SystemStandbyTimer::startCountdown(quint16 seconds, int kind)
{
    m_seconds = seconds;
    if (seconds == 0) {
        if (isRunning())
            stopCountdown();
        return;
    }
    if (isRunning() && kind != m_kind && m_kind != KeptKind)
        stopCountdown();
    if (!isRunning()) {
        emit StandbyTimerStart();
        m_timer->start();
        m_kind = kind;
    }
}

void SystemStandbyTimer::stopCountdown()
{
    m_timer->stop();
    emit StandbyTimerStop();
}

void SystemStandbyTimer::tick()
{
    if (m_seconds > 0)
        --m_seconds;
    if (m_seconds == 0)
        stopCountdown();
}

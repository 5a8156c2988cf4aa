#include "link/InvestigateDelayTimer.h"

#include "core/SC_Timer.h"
#include "link/SyncClient.h"

InvestigateDelayTimer::InvestigateDelayTimer()
    : m_tickTimer(SC_Timer::create(this))
{
    qRegisterMetaType<eDlyContext>("eDlyContext");
    connect(m_tickTimer, &SC_Timer::timeout, this, &InvestigateDelayTimer::Tick);
    connect(SyncClient::instance(), &SyncClient::disconnected, this, &InvestigateDelayTimer::Disconnected);
}

bool InvestigateDelayTimer::isCounting() const
{
    return m_tickTimer->isActive();
}

void InvestigateDelayTimer::startDelay(int seconds, int context)
{
    const eDlyContext oldContext = m_context;
    m_context = eDlyContext(context);
    m_seconds = quint16(seconds);
    if (m_seconds == 0) {
        finish();
    } else if (!m_tickTimer->isActive()) {
        m_tickTimer->start(TickMs);
        emit investigateDelayStart();
    }
    if (m_context != oldContext)
        emit investigateDelayContextChange();
}

void InvestigateDelayTimer::stopCountdown()
{
    finish();
}

void InvestigateDelayTimer::finish()
{
    m_tickTimer->stop();
    m_seconds = 0;
    m_context = eDlyNone;
    emit investigateDelayFinished();
}

void InvestigateDelayTimer::Tick()
{
    if (m_seconds != 0)
        --m_seconds;
    emit investigateDelayTimeTick(m_seconds / 60, m_seconds % 60, m_context);
    if (m_seconds == 0) {
        finish();
        emit investigateDelayTimeoutEvent();
    }
}

void InvestigateDelayTimer::Disconnected()
{
    emit investigateDelayTimeTick(0, 0, eDlyNone);
    finish();
}

#include "app/FireTimer.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/SC_Timer.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/Rbus.h"
#include "link/SyncClient.h"

FireTimer::FireTimer()
    : m_timer(SC_Timer::create(this))
{
    m_timer->setInterval(ReshowMs);
    connect(m_timer, &SC_Timer::timeout, this, &FireTimer::fireTimeout);

    SystemState *state = SystemState::instance();
    connect(state, &SystemState::fireStarted, this, &FireTimer::fireStart);
    connect(state, &SystemState::fireReset, this, &FireTimer::fireReset);
    connect(SyncClient::instance(), &SyncClient::disconnected, this, &FireTimer::fireReset);
    connect(Rbus::instance(), &Rbus::disconnectedRbusOrE30, this, &FireTimer::fireReset);
    connect(InputSignaller::instance(), &InputSignaller::userInputReceived, this, &FireTimer::resetFireTimer);
}

bool FireTimer::isRunning() const
{
    return m_timer->isActive();
}

namespace {

bool isFireActive()
{
    const SystemState *state = SystemState::existingInstance();
    return state && state->isFireActive();
}

} // namespace

void FireTimer::fireStart()
{
    if (!isFireActive()) {
        m_timer->stop();
        return;
    }
    if (m_timer->isActive())
        return;
    PageStack::instance()->showMainScreen(false);
    m_timer->start();
}

void FireTimer::fireReset()
{
    m_timer->stop();
    PageStack::instance()->showMainScreen(false);
}

void FireTimer::fireTimeout()
{
    PageStack::instance()->showMainScreen(false);
}

void FireTimer::resetFireTimer()
{
    if (isFireActive() && m_timer->isActive())
        m_timer->start();
}

void FireTimer::newFireReset()
{
    if (!PageStack::instance()->isMainScreenOnTop(true))
        PageStack::instance()->showMainScreen(false);
}

void FireTimer::fireNewEvent()
{
    PageStack::instance()->showMainScreen(false);
    m_timer->start();
}

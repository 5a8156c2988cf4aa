#include "screens/status/SystemStandbyTimer.h"

#include "app/PageStack.h"
#include "core/SC_Timer.h"
#include "frontpanel/InputSignaller.h"
#include "link/SyncClient.h"
#include "screens/popups/AUK_40026.h"
#include "screens/popups/AUK_40047.h"

namespace {

constexpr int FireResetKind = 0;

} // namespace

SystemStandbyTimer::SystemStandbyTimer()
    : m_timer(SC_Timer::create(this))
{
    m_timer->setInterval(TickMs);
    connect(m_timer, &SC_Timer::timeout, this, &SystemStandbyTimer::TimerTick);
    connect(SyncClient::instance(), &SyncClient::disconnected, this, &SystemStandbyTimer::StopStandbyCountDown);
    // A starting countdown counts as the operator's activity: the display
    // wakes up to show it.
    connect(this, &SystemStandbyTimer::StandbyTimerStart, InputSignaller::instance(),
            &InputSignaller::userInputReceived);
}

bool SystemStandbyTimer::isRunning() const
{
    return m_timer->isActive();
}

void SystemStandbyTimer::startCountdown(quint16 seconds, int kind)
{
    if (seconds == 0) {
        m_seconds = 0;
        StopStandbyCountDown();
        return;
    }
    if (isRunning() && m_kind != NoCountdownKind && kind != m_kind)
        stop();
    // After the stop: the new kind counts from the panel's time, not from 0.
    m_seconds = seconds;
    if (isRunning())
        return;
    emit StandbyTimerStart();
    m_timer->start();
    m_kind = kind;
    PageStack *stack = PageStack::instance();
    if (!stack->isMainScreenOnTop(true))
        stack->showMainScreen(false);
    InputSignaller::setKeysEnabled(false);
    raisePopup();
    if (m_kind == InitialisationKind)
        m_initialisationPopup->setCountdown(m_initialisationCountdown);
    else // The fire reset shows no time until its first tick.
        m_countdownPopup->showTimeLeft(m_kind == FireResetKind ? 0 : m_initialisationCountdown);
}

void SystemStandbyTimer::StopStandbyCountDown()
{
    if (isRunning())
        stop();
}

void SystemStandbyTimer::TimerTick()
{
    if (m_seconds > 0)
        --m_seconds;
    if (m_kind == InitialisationKind && m_initialisationCountdown > 0)
        --m_initialisationCountdown;
    raisePopup();
    if (m_kind == InitialisationKind)
        m_initialisationPopup->setCountdown(m_initialisationCountdown);
    else
        m_countdownPopup->showTimeLeft(m_seconds);
}

// Only the countdown's own popup is removed: when the link dropped, the
// return to the home screen has already taken it, and the page now on top
// is not the countdown's.
void SystemStandbyTimer::stop()
{
    m_timer->stop();
    m_seconds = 0;
    InputSignaller::setKeysEnabled(true);
    m_initialisationCountdown = InitialisationSeconds;
    PageStack *stack = PageStack::instance();
    if (m_kind == InitialisationKind)
        stack->showMainScreen(false);
    if (Page *own = popup())
        stack->remove(own);
    m_countdownPopup.clear();
    m_initialisationPopup.clear();
}

Page *SystemStandbyTimer::popup() const
{
    if (m_kind == InitialisationKind)
        return m_initialisationPopup.data();
    return m_countdownPopup.data();
}

void SystemStandbyTimer::raisePopup()
{
    PageStack *stack = PageStack::instance();
    Page *own = popup();
    if (stack->isTop(own))
        return;
    if (own)
        stack->remove(own);
    if (m_kind == InitialisationKind) {
        m_initialisationPopup = new AUK_40047(m_kind, nullptr);
        stack->push(m_initialisationPopup);
    } else {
        m_countdownPopup = new AUK_40026(m_kind, nullptr);
        stack->push(m_countdownPopup);
    }
}

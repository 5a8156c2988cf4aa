#include "frontpanel/BacklightController.h"

#include "core/SC_Timer.h"
#include "paneldata/PanelCounters.h"
#include "pointmodels/model.h"

#include <QDBusConnection>
#include <QDebug>

namespace {

// The change bits of the panel status counts.
constexpr uint fireAlarmsChanged = 2;
constexpr uint faultsChanged = 4;

SC_Timer *makeTimer(QObject *parent, int milliseconds, bool singleShot)
{
    SC_Timer *timer = SC_Timer::create(parent);
    timer->setSingleShot(singleShot);
    timer->setInterval(milliseconds);
    return timer;
}

} // namespace

BacklightController::BacklightController()
    : m_backlight(QStringLiteral("svc.backlight"), QStringLiteral("/"), QDBusConnection::sessionBus(), this)
    , m_fireHold(makeTimer(this, FireHoldMs, true))
    , m_faultHold(makeTimer(this, FaultHoldMs, true))
    , m_countsHold(makeTimer(this, CountsHoldMs, true))
    , m_shortTimer(makeTimer(this, ShortMs, false))
    , m_longTimer(makeTimer(this, LongMs, false))
{
    setTransitions();
    connect(m_shortTimer, &SC_Timer::timeout, this, &BacklightController::shortTimeoutSlot);
    connect(m_longTimer, &SC_Timer::timeout, this, &BacklightController::longTimeoutSlot);

    m_powerSaving = model::instance()->isPowerSaving() ? 1 : 0;
    m_current = m_powerSaving ? &m_s1 : &m_n1;
    m_backlight.setBrightness(uint(m_current->getBrightness()));
    startTimers(*m_current);
}

void BacklightController::setTransitions()
{
    // Fire, fault, counts and user activity lead to the head of the chain.
    const auto chain = [](BacklightState *head, BacklightState *shortNext, BacklightState *longNext,
                          BacklightState *otherHead) {
        return BacklightState::Transitions{head, head, head, shortNext, longNext, otherHead, head};
    };
    m_n1.setTransitions(chain(&m_n1, &m_n2, nullptr, &m_s1));
    m_n2.setTransitions(chain(&m_n1, nullptr, &m_n3, &m_s1));
    m_n3.setTransitions(chain(&m_n1, nullptr, nullptr, &m_s1));
    m_s1.setTransitions(chain(&m_s1, &m_s2, nullptr, &m_n1));
    m_s2.setTransitions(chain(&m_s1, nullptr, &m_s3, &m_n1));
    m_s3.setTransitions(chain(&m_s1, nullptr, nullptr, &m_n1));
}

void BacklightController::stateChangeHelper(BacklightState *next, const char *caller)
{
    if (!next) {
        qWarning() << " Bad state changed :" << caller;
        return;
    }
    if (next != m_current) {
        m_current = next;
        m_backlight.setBrightness(uint(next->getBrightness()));
    }
    startTimers(*next);
}

void BacklightController::startTimers(const BacklightState &state)
{
    switch (state.timerMode()) {
    case BacklightState::ShortTimer:
        m_shortTimer->start();
        m_longTimer->stop();
        break;
    case BacklightState::LongTimer:
        m_shortTimer->stop();
        m_longTimer->start();
        break;
    default:
        m_shortTimer->stop();
        m_longTimer->stop();
        break;
    }
}

bool BacklightController::isHoldActive() const
{
    return m_fireHold->isActive() || m_faultHold->isActive() || m_countsHold->isActive();
}

void BacklightController::userActivateSlot()
{
    stateChangeHelper(m_current->getUserActivateState(), "BacklightController::userActivateSlot");
}

void BacklightController::fireSlot()
{
    m_fireLatch = true;
    stateChangeHelper(m_current->next().fire, "BacklightController::stateChangeHelper");
    m_fireHold->start();
}

void BacklightController::faultSlot()
{
    stateChangeHelper(m_current->next().fault, "BacklightController::stateChangeHelper");
    m_faultHold->start();
}

void BacklightController::countsOrMessagesSlot()
{
    stateChangeHelper(m_current->next().counts, "BacklightController::stateChangeHelper");
    m_countsHold->start();
}

void BacklightController::shortTimeoutSlot()
{
    BacklightState *next = m_current->next().shortTimeout;
    if (next && !m_powerSaving && isHoldActive()) {
        m_shortTimer->start();
        return;
    }
    stateChangeHelper(next, "BacklightController::shortTimeoutSlot");
}

void BacklightController::longTimeoutSlot()
{
    BacklightState *next = m_current->next().longTimeout;
    if (next && m_powerSaving && isHoldActive()) {
        m_longTimer->start();
        return;
    }
    stateChangeHelper(next, "BacklightController::longTimeoutSlot");
}

void BacklightController::powerChangeSlot()
{
    const int powerSaving = model::instance()->isPowerSaving() ? 1 : 0;
    if (powerSaving == m_powerSaving)
        return;
    m_powerSaving = powerSaving;
    stateChangeHelper(m_current->next().powerChange, "BacklightController::powerChangeSlot");
}

void BacklightController::bucketUpdated(uint bucketId, QString key, QString value)
{
    Q_UNUSED(bucketId)
    Q_UNUSED(key)
    Q_UNUSED(value)
}

void BacklightController::updateBannerStatus(TC::BANNER_STATUS status)
{
    if (status == TC::BANNER_FIRE) {
        m_faultLatch = false;
        const bool wasLatched = m_fireLatch;
        m_fireLatch = true;
        if (!wasLatched)
            fireSlot();
    } else if (status == TC::BANNER_FAULT) {
        m_fireLatch = false;
        if (!m_faultLatch) {
            m_faultLatch = true;
            faultSlot();
        }
    } else {
        m_fireLatch = false;
        m_faultLatch = false;
    }
}

void BacklightController::countChanged(int count, int &lastCount, bool &latch, void (BacklightController::*slot)())
{
    const int previous = lastCount;
    lastCount = count;
    if (latch) {
        if (count > previous && count != 1)
            (this->*slot)();
    } else if (count != 0) {
        latch = true;
        (this->*slot)();
    }
}

void BacklightController::countsUpdated(TC::panel_t panel, uint changes)
{
    if (panel != SystemPanel)
        return;
    if (changes & fireAlarmsChanged)
        countChanged(model::instance()->fireAlarmsCount(SystemPanel), m_lastFireCount, m_fireLatch,
                     &BacklightController::fireSlot);
    if (changes & faultsChanged)
        countChanged(PanelCounters::instance()->faults(SystemPanel), m_lastFaultCount, m_faultLatch,
                     &BacklightController::faultSlot);
    if (changes & ~(fireAlarmsChanged | faultsChanged))
        countsOrMessagesSlot();
}

#include "ManualSyncClock.h"

#include "eventlog/SyncTimer.h"

#include <QCoreApplication>

namespace {

class ManualTimer final : public EventLog::SyncTimer
{
public:
    ManualTimer(const ManualSyncClock &clock, bool singleShot, QObject *parent)
        : SyncTimer(parent), m_clock(clock), m_singleShot(singleShot)
    {
    }

    void start(int msec) override
    {
        m_interval = msec;
        m_deadline = m_clock.now() + msec;
        m_active = true;
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    qint64 deadline() const { return m_deadline; }
    void fire()
    {
        if (m_singleShot)
            m_active = false;
        else
            m_deadline += m_interval;
        emit timeout();
    }

private:
    const ManualSyncClock &m_clock;
    const bool m_singleShot;
    bool m_active = false;
    int m_interval = 0;
    qint64 m_deadline = 0;
};

} // namespace

EventLog::SyncTimer *ManualSyncClock::createTimer(bool singleShot, QObject *parent)
{
    auto *timer = new ManualTimer(*this, singleShot, parent);
    m_timers << timer;
    return timer;
}

void ManualSyncClock::advance(qint64 msec)
{
    const qint64 target = m_now + msec;
    QCoreApplication::sendPostedEvents();
    for (;;) {
        ManualTimer *next = nullptr;
        for (const QPointer<EventLog::SyncTimer> &timer : qAsConst(m_timers)) {
            auto *manual = static_cast<ManualTimer *>(timer.data());
            if (manual && manual->isActive() && manual->deadline() <= target
                && (!next || manual->deadline() < next->deadline()))
                next = manual;
        }
        if (!next)
            break;
        m_now = next->deadline();
        next->fire();
        QCoreApplication::sendPostedEvents();
    }
    m_now = target;
    m_timers.removeAll(nullptr);
}

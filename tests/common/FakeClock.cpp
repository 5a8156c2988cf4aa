#include "FakeClock.h"

#include <QCoreApplication>

class FakeClock::Timer final : public SC_Timer
{
public:
    Timer(QObject *parent, const qint64 &now)
        : SC_Timer(parent)
        , m_now(now)
    {
    }

    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void setSingleShot(bool singleShot) override { m_singleShot = singleShot; }

    void arm(int milliseconds) override
    {
        m_due = m_now + milliseconds;
        m_active = true;
    }

    qint64 due() const { return m_due; }
    void fire()
    {
        if (m_singleShot)
            m_active = false;
        else
            m_due += interval();
        emit timeout();
    }

private:
    const qint64 &m_now;
    qint64 m_due = 0;
    bool m_active = false;
    bool m_singleShot = false;
};

FakeClock::FakeClock()
{
    SC_Timer::setFactory([this](QObject *parent) {
        auto *timer = new Timer(parent, m_now);
        m_timers << timer;
        return timer;
    });
}

FakeClock::~FakeClock()
{
    SC_Timer::setFactory({});
}

void FakeClock::advance(qint64 milliseconds)
{
    const qint64 target = m_now + milliseconds;
    QCoreApplication::sendPostedEvents();
    for (;;) {
        Timer *next = nullptr;
        for (const QPointer<Timer> &timer : qAsConst(m_timers)) {
            if (timer && timer->isActive() && timer->due() <= target && (!next || timer->due() < next->due()))
                next = timer;
        }
        if (!next)
            break;
        m_now = next->due();
        next->fire();
        QCoreApplication::sendPostedEvents();
    }
    m_now = target;
    m_timers.removeAll(nullptr);
}

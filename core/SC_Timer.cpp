#include "core/SC_Timer.h"

#include "core/TimerDeadline.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

class RealTimer final : public SC_Timer
{
public:
    explicit RealTimer(QObject *parent)
        : SC_Timer(parent)
        , m_native(this)
    {
        m_native.setTimerType(Qt::PreciseTimer);
        m_native.setSingleShot(true);
        m_clock.start();
        connect(&m_native, &QTimer::timeout, this, &RealTimer::nativeExpired);
    }

    void stop() override
    {
        m_native.stop();
        m_deadline.stop();
    }
    bool isActive() const override { return m_native.isActive(); }
    void setSingleShot(bool singleShot) override { m_singleShot = singleShot; }

protected:
    void arm(int milliseconds) override { runNative(m_deadline.restart(m_clock.nsecsElapsed(), milliseconds)); }

private:
    void runNative(std::optional<int> delay)
    {
        if (delay)
            m_native.start(*delay);
    }

    void nativeExpired()
    {
        const std::optional<int> rest = m_deadline.nativeExpired(m_clock.nsecsElapsed());
        if (rest) {
            runNative(rest);
            return;
        }
        if (!m_singleShot)
            arm(interval());
        emit timeout();
    }

    QTimer m_native;
    QElapsedTimer m_clock;
    TimerDeadline m_deadline;
    bool m_singleShot = false;
};

SC_Timer::Factory &installedFactory()
{
    static SC_Timer::Factory factory;
    return factory;
}

} // namespace

SC_Timer::SC_Timer(QObject *parent)
    : QObject(parent)
{
}

void SC_Timer::start()
{
    arm(m_interval);
}

void SC_Timer::start(int milliseconds)
{
    m_interval = milliseconds;
    arm(m_interval);
}

void SC_Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (isActive())
        arm(m_interval);
}

SC_Timer *SC_Timer::create(QObject *parent)
{
    const Factory &factory = installedFactory();
    return factory ? factory(parent) : new RealTimer(parent);
}

void SC_Timer::setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}

#include "core/SC_Timer.h"

#include <QTimer>

namespace {

class RealTimer final : public SC_Timer
{
public:
    explicit RealTimer(QObject *parent)
        : SC_Timer(parent)
        , m_timer(this)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &SC_Timer::timeout);
    }

    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    void setSingleShot(bool singleShot) override { m_timer.setSingleShot(singleShot); }

protected:
    void arm(int milliseconds) override { m_timer.start(milliseconds); }

private:
    QTimer m_timer;
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

#include "app/DelaySignal.h"

#include "core/SC_Timer.h"

DelaySignal::DelaySignal(QObject *parent)
    : QObject(parent)
    , m_timer(SC_Timer::create(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(DefaultDelayMs);
    connect(m_timer, &SC_Timer::timeout, this, &DelaySignal::signalReady);
}

bool DelaySignal::connectReady(const QObject *receiver, const char *member)
{
    return bool(connect(this, SIGNAL(signalReady()), receiver, member));
}

bool DelaySignal::connectDelayed(const QObject *sender, const char *signal, const QObject *receiver, const char *member,
                                 int delayMs)
{
    const QMetaObject::Connection in = connect(sender, signal, this, SLOT(signalReceived()));
    if (!in)
        return false;
    if (!connectReady(receiver, member)) {
        disconnect(in);
        return false;
    }
    m_timer->setInterval(delayMs);
    return true;
}

int DelaySignal::delay() const
{
    return m_timer->interval();
}

void DelaySignal::signalReceived()
{
    if (!m_timer->isActive())
        m_timer->start();
}

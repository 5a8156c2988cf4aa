#include "app/WatchdogProdder.h"

#include "core/GlobalConstants.h"
#include "core/SC_Timer.h"

#include <QDBusConnection>
#include <QDBusMessage>

WatchdogProdder::WatchdogProdder(const QString &name, int firstValue, int secondValue, int prodInterval)
    : m_prodTimer(SC_Timer::create(this))
    , m_name(name)
    , m_firstValue(firstValue)
    , m_secondValue(secondValue)
{
    connect(m_prodTimer, &SC_Timer::timeout, this, &WatchdogProdder::kick);
    m_prodTimer->start(prodInterval);
    send(GlobalConstants::watchdogRegisterTimer);
    kick();
}

int WatchdogProdder::prodInterval() const
{
    return m_prodTimer->interval();
}

void WatchdogProdder::kick()
{
    send(GlobalConstants::watchdogKeepAlive);
}

void WatchdogProdder::send(const char *method) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(GlobalConstants::watchdogService), QLatin1String(GlobalConstants::watchdogPath),
        QLatin1String(GlobalConstants::watchdogInterface), QLatin1String(method));
    message << m_name << m_firstValue << m_secondValue;
    QDBusConnection::sessionBus().send(message);
}

#include "frontpanel/DB_swissinterface.h"

#include <QDBusConnection>
#include <QDBusMessage>

DB_swissinterface::DB_swissinterface()
    : QDBusAbstractInterface(QStringLiteral("svc.swiss"), QStringLiteral("/"), "vemo.swiss",
                             QDBusConnection::sessionBus(), nullptr)
{
}

void DB_swissinterface::setFireLed(bool on)
{
    send(QStringLiteral("setFireLed"), on);
}

void DB_swissinterface::setFaultLed(bool on)
{
    send(QStringLiteral("setFaultLed"), on);
}

void DB_swissinterface::setFSALed(bool on)
{
    send(QStringLiteral("setFSALed"), on);
}

void DB_swissinterface::send(const QString &method, bool on)
{
    callWithArgumentList(QDBus::NoBlock, method, {on});
}

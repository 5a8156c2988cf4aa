#include "frontpanel/VemoBacklightInterface.h"

VemoBacklightInterface::VemoBacklightInterface(const QString &service, const QString &path,
                                               const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, "vemo.backlight", connection, parent)
{
}

QDBusPendingCall VemoBacklightInterface::setBrightness(uint level)
{
    return asyncCall(QStringLiteral("setBrightness"), level);
}

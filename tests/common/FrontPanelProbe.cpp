#include "FrontPanelProbe.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace {

QDBusMessage frontPanelCall(quint16 port, const QString &method)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("svc.frontpanel.p%1").arg(port), QStringLiteral("/"), QStringLiteral("vemo.frontpanel"), method);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
}

} // namespace

namespace FrontPanelProbe {

QString leds(quint16 port)
{
    qDBusRegisterMetaType<QList<bool>>();
    const QDBusMessage reply = frontPanelCall(port, QStringLiteral("getLeds"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return QString();
    QString text;
    for (bool lit : qdbus_cast<QList<bool>>(reply.arguments().at(0)))
        text += lit ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

bool buzzer(quint16 port)
{
    const QDBusMessage reply = frontPanelCall(port, QStringLiteral("getBuzzer"));
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

} // namespace FrontPanelProbe

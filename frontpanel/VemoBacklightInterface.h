#pragma once

#include <QDBusAbstractInterface>
#include <QDBusPendingCall>

// The panel host's backlight service. The call does not wait: a slow or
// missing service must never hold up the screen.
class VemoBacklightInterface final : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    VemoBacklightInterface(const QString &service, const QString &path, const QDBusConnection &connection,
                           QObject *parent);

public slots:
    // The level in percent.
    QDBusPendingCall setBrightness(uint level);
};

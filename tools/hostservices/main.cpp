// Plays the panel host's D-Bus services on the session bus: prints every
// call the engine makes to them and sends their signals when told to on
// standard input ("emit svc.swiss silentStatus true"; "help" lists them).
// Prints "ready" once it owns every service name; "quit" stops it. With
// --frontpanel=<port> it also plays the panel front of the engine on that
// port, which then finds the name taken and serves none of its own.
#include "HostServiceTable.h"
#include "HostServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        err << "hostservices: no session bus: " << bus.lastError().message() << Qt::endl;
        return 1;
    }
    HostServices services(bus, out);
    if (!bus.registerVirtualObject(QStringLiteral("/"), &services)) {
        err << "hostservices: cannot serve /: " << bus.lastError().message() << Qt::endl;
        return 1;
    }
    const QRegularExpression frontPanelOption(QStringLiteral("^--frontpanel=([0-9]{1,5})$"));
    QString enginePort;
    for (const QString &argument : application.arguments().mid(1)) {
        const QRegularExpressionMatch match = frontPanelOption.match(argument);
        if (!match.hasMatch() || match.captured(1).toUInt() > 65535) {
            err << "hostservices: unknown argument " << argument << " (--frontpanel=<port> only)" << Qt::endl;
            return 2;
        }
        enginePort = match.captured(1);
    }
    for (const HostService &service : hostServices()) {
        if (service.perEnginePort && enginePort.isEmpty())
            continue;
        const QString name =
            QLatin1String(service.service) + (service.perEnginePort ? QStringLiteral(".p") + enginePort : QString());
        if (!bus.registerService(name)) {
            err << "hostservices: cannot own " << name << ": " << bus.lastError().message() << Qt::endl;
            return 1;
        }
    }
    out << "ready" << Qt::endl;

    // Commands come a line at a time; an input that ends (or was never
    // there, as for a background job) only ends the commands.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[4096];
        const ssize_t received = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (received <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, int(received));
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.isEmpty())
                continue;
            if (words.constFirst() == QLatin1String("quit")) {
                application.quit();
                return;
            }
            out << services.runCommand(words) << Qt::endl;
        }
    });
    return application.exec();
}

#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QStringList>
#include <QTextStream>

// Serves every method of the host-service table at "/": each call is
// printed as one line ("call <service> <method> <arguments>") and answered
// with an empty reply. Signals are sent on request.
class HostServices final : public QDBusVirtualObject
{
    Q_OBJECT

public:
    HostServices(const QDBusConnection &connection, QTextStream &out);

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

    // "emit <service> <signal> [arguments]": sends the service's signal with
    // the arguments read by its signature (b: true/false/1/0, i, u, s).
    // Returns what to print: the signal sent, or what was wrong.
    // "help": every command and every signal, with its arguments.
    QString runCommand(const QStringList &words);

    static QString help();

private:
    QDBusConnection m_connection;
    QTextStream &m_out;
};

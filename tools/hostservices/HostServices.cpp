#include "HostServices.h"

#include "HostServiceTable.h"
#include "common/CommandHelp.h"

#include <QDBusMessage>
#include <QDBusMetaType>

namespace {

struct Command
{
    const char *usage;
    const char *description;
};

// The commands read from standard input, in the order "help" lists them.
const Command Commands[] = {
    {"emit <service> <signal> [arguments]", "send a service's signal; the signals follow"},
    {"help", "this list"},
    {"quit", "stop serving"},
};

const char *argumentHelp(char type)
{
    switch (type) {
    case 'b':
        return "true|false";
    case 'i':
        return "<integer>";
    case 'u':
        return "<unsigned>";
    default:
        return "<text>";
    }
}

const HostService *serviceByInterface(const QString &interface)
{
    for (const HostService &service : hostServices()) {
        if (interface == QLatin1String(service.interface))
            return &service;
    }
    return nullptr;
}

const HostService *serviceByName(const QString &name)
{
    for (const HostService &service : hostServices()) {
        if (name == QLatin1String(service.service))
            return &service;
    }
    return nullptr;
}

const HostMember *member(const QVector<HostMember> &members, const QString &name)
{
    for (const HostMember &candidate : members) {
        if (name == QLatin1String(candidate.name))
            return &candidate;
    }
    return nullptr;
}

QString argumentText(const QVariant &argument)
{
    if (argument.type() == QVariant::ByteArray)
        return QString::fromLatin1(argument.toByteArray().toHex());
    return argument.toString();
}

// One word as a D-Bus argument of the given type; invalid when it is not one.
QVariant argumentFromText(char type, const QString &text)
{
    bool ok = false;
    switch (type) {
    case 'b':
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
        return {};
    case 'i': {
        const int value = text.toInt(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case 'u': {
        const uint value = text.toUInt(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case 's':
        return text;
    default:
        return {};
    }
}

} // namespace

HostServices::HostServices(const QDBusConnection &connection, QTextStream &out)
    : m_connection(connection)
    , m_out(out)
{
}

QString HostServices::introspect(const QString &) const
{
    QString xml;
    const auto arguments = [](const char *signature, const char *direction) {
        QString text;
        for (const QString &type : signatureTypes(signature)) {
            text += QStringLiteral("<arg type=\"%1\"%2/>")
                        .arg(type)
                        .arg(direction ? QStringLiteral(" direction=\"%1\"").arg(QLatin1String(direction)) : QString());
        }
        return text;
    };
    for (const HostService &service : hostServices()) {
        xml += QStringLiteral("<interface name=\"%1\">").arg(QLatin1String(service.interface));
        for (const HostMember &method : service.methods) {
            xml += QStringLiteral("<method name=\"%1\">%2</method>")
                       .arg(QLatin1String(method.name), arguments(method.signature, "in"));
        }
        for (const HostMember &signal : service.signals_) {
            xml += QStringLiteral("<signal name=\"%1\">%2</signal>")
                       .arg(QLatin1String(signal.name), arguments(signal.signature, nullptr));
        }
        xml += QStringLiteral("</interface>");
    }
    return xml;
}

bool HostServices::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable")) {
        connection.send(message.createReply(QStringLiteral("<node>%1</node>").arg(introspect(message.path()))));
        return true;
    }
    const HostService *service = serviceByInterface(message.interface());
    const HostMember *method = service ? member(service->methods, message.member()) : nullptr;
    if (!method) {
        m_out << "unknown " << message.interface() << ' ' << message.member() << Qt::endl;
        connection.send(
            message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such host-service method")));
        return true;
    }
    if (message.signature() != QLatin1String(method->signature)) {
        m_out << "badargs " << service->service << ' ' << method->name << ' ' << message.signature() << Qt::endl;
        connection.send(message.createErrorReply(
            QDBusError::InvalidArgs, QStringLiteral("Expected signature %1").arg(QLatin1String(method->signature))));
        return true;
    }

    m_out << "call " << service->service << ' ' << method->name;
    for (const QVariant &argument : message.arguments())
        m_out << ' ' << argumentText(argument);
    m_out << Qt::endl;
    connection.send(method->answersTrue ? message.createReply(true) : message.createReply());
    return true;
}

QString HostServices::help()
{
    QStringList lines;
    for (const Command &command : Commands)
        lines << commandHelp(QLatin1String(command.usage), QLatin1String(command.description));
    for (const HostService &service : hostServices()) {
        for (const HostMember &signal : service.signals_) {
            QString usage =
                QStringLiteral("emit %1 %2").arg(QLatin1String(service.service), QLatin1String(signal.name));
            for (const char *type = signal.signature; *type; ++type)
                usage += QLatin1Char(' ') + QLatin1String(argumentHelp(*type));
            lines << commandHelp(usage, QLatin1String(signal.description));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString HostServices::runCommand(const QStringList &words)
{
    if (words.size() == 1 && words.at(0) == QLatin1String("help"))
        return help();
    if (words.size() < 3 || words.at(0) != QLatin1String("emit"))
        return QStringLiteral("error usage: emit <service> <signal> [arguments] (help lists the signals)");
    const HostService *service = serviceByName(words.at(1));
    const HostMember *signal = service ? member(service->signals_, words.at(2)) : nullptr;
    if (!signal)
        return QStringLiteral("error no signal %1 of %2").arg(words.at(2), words.at(1));

    const QByteArray signature(signal->signature);
    const QStringList texts = words.mid(3);
    if (texts.size() != signature.size())
        return QStringLiteral("error %1 takes \"%2\"").arg(words.at(2), QLatin1String(signature));

    QDBusMessage message =
        QDBusMessage::createSignal(QStringLiteral("/"), QLatin1String(service->interface), QLatin1String(signal->name));
    for (int i = 0; i < texts.size(); ++i) {
        const QVariant argument = argumentFromText(signature.at(i), texts.at(i));
        if (!argument.isValid())
            return QStringLiteral("error bad argument %1").arg(texts.at(i));
        message << argument;
    }
    if (!m_connection.send(message))
        return QStringLiteral("error not sent: %1").arg(m_connection.lastError().message());
    return QStringLiteral("emitted %1").arg(words.mid(1).join(QLatin1Char(' ')));
}

#include "RecordingService.h"

#include <QDBusMessage>
#include <QDBusVirtualObject>

namespace {

QString argumentText(const QVariant &argument)
{
    if (argument.type() == QVariant::ByteArray)
        return QString::fromLatin1(argument.toByteArray().toHex());
    return argument.toString();
}

} // namespace

class RecordingService::Object final : public QDBusVirtualObject
{
public:
    explicit Object(RecordingService *service)
        : m_service(service)
    {
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.type() != QDBusMessage::MethodCallMessage)
            return false;
        m_service->record(message, connection);
        return true;
    }

private:
    RecordingService *m_service;
};

RecordingService::RecordingService(const QString &serviceName)
    : m_connectionName(QStringLiteral("recording ") + serviceName)
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName))
    , m_object(new Object(this))
{
    m_serving =
        m_connection.registerVirtualObject(QStringLiteral("/"), m_object) && m_connection.registerService(serviceName);
    m_thread.start();
    m_object->moveToThread(&m_thread);
}

RecordingService::~RecordingService()
{
    m_connection.unregisterObject(QStringLiteral("/"));
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_thread.quit();
    m_thread.wait();
    delete m_object;
}

void RecordingService::record(const QDBusMessage &message, const QDBusConnection &connection)
{
    QStringList words{message.member()};
    for (const QVariant &argument : message.arguments())
        words << argumentText(argument);

    QMutexLocker locker(&m_lock);
    m_calls << words.join(QLatin1Char(' '));
    if (m_silent)
        return;
    if (m_errors.contains(message.member())) {
        connection.send(message.createErrorReply(QDBusError::Failed, QStringLiteral("refused")));
        return;
    }
    QDBusMessage reply = message.createReply();
    const QVariant value = m_replies.value(message.member());
    if (value.isValid())
        reply << value;
    connection.send(reply);
}

QStringList RecordingService::calls() const
{
    QMutexLocker locker(&m_lock);
    return m_calls;
}

void RecordingService::clear()
{
    QMutexLocker locker(&m_lock);
    m_calls.clear();
}

void RecordingService::setReply(const QString &method, const QVariant &value)
{
    QMutexLocker locker(&m_lock);
    m_errors.removeAll(method);
    m_replies.insert(method, value);
}

void RecordingService::setError(const QString &method)
{
    QMutexLocker locker(&m_lock);
    m_errors << method;
}

void RecordingService::setSilent()
{
    QMutexLocker locker(&m_lock);
    m_silent = true;
}

bool RecordingService::sendSignal(const QString &interface, const QString &name, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createSignal(QStringLiteral("/"), interface, name);
    message.setArguments(arguments);
    return m_connection.send(message);
}

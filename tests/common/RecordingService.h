#pragma once

#include <QDBusConnection>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QVariant>

class QDBusMessage;

// A service on the test's session bus that records every method call made
// to it ("eepromWrite 4096 0201050102030401") and answers from a table of
// replies (an empty reply for the others). It serves from a thread of its
// own, so a blocking call from the test's thread is answered.
class RecordingService final
{
public:
    explicit RecordingService(const QString &serviceName);
    ~RecordingService();
    RecordingService(const RecordingService &) = delete;
    RecordingService &operator=(const RecordingService &) = delete;

    bool isServing() const { return m_serving; }

    QStringList calls() const;
    void clear();
    // The value the method answers with from now on (an empty reply for an
    // invalid value).
    void setReply(const QString &method, const QVariant &value);
    // An error answer for the method from now on.
    void setError(const QString &method);
    // No answer at all from now on, to any method: a hung service.
    void setSilent();

    // Sends one of the service's signals on path "/".
    bool sendSignal(const QString &interface, const QString &name, const QVariantList &arguments);

private:
    class Object;
    friend class Object;

    void record(const QDBusMessage &message, const QDBusConnection &connection);

    const QString m_connectionName;
    QDBusConnection m_connection;
    QThread m_thread;
    Object *m_object;
    bool m_serving = false;
    mutable QMutex m_lock;
    QStringList m_calls;
    QMap<QString, QVariant> m_replies;
    QStringList m_errors;
    bool m_silent = false;
};

#pragma once

#include <QDBusAbstractInterface>
#include <QMutex>
#include <QString>

#include <vector>

// A D-Bus proxy tied to the state store: state-store keys it watches are
// forwarded to methods of its service whenever their value changes.
//
// Its calls are made on the screen thread, so a call that waits for its
// answer waits at most ShortCallTimeoutMs: a slow or hung service gets a
// warning, not a frozen screen.
class DB_BucketDbusInterface : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    static constexpr int ShortCallTimeoutMs = 1000;

    DB_BucketDbusInterface(const QString &service, const QString &path, const char *interface,
                           const QDBusConnection &connection, QObject *parent);

    // From now on every new value of the key goes to the service's method as
    // its single argument. Method names are kept to 255 bytes.
    void addWatch(uint bucketId, const QString &key, const QByteArray &method);

    // Calls the method with the value and waits for the reply; false (with a
    // warning) on an error reply or none in time.
    bool SetDBUS(const QByteArray &method, const QString &value);

public slots:
    void receiveBucketUpdate(uint bucketId, QString key, QString value);

private:
    struct Watch
    {
        uint bucketId;
        QString key;
        QByteArray method;
        QString lastSent;
    };

    std::vector<Watch> m_watches;
    QMutex m_callLock;
};

#include "core/DB_BucketDbusInterface.h"

#include "core/BucketMaster.h"

#include <QDBusMessage>
#include <QDebug>

namespace {

constexpr int maxMethodNameBytes = 255;

} // namespace

DB_BucketDbusInterface::DB_BucketDbusInterface(const QString &service, const QString &path, const char *interface,
                                               const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, interface, connection, parent)
{
    setTimeout(ShortCallTimeoutMs);
    connect(BucketMaster::instance(), &BucketMaster::updateOfBucketValue, this,
            &DB_BucketDbusInterface::receiveBucketUpdate);
}

void DB_BucketDbusInterface::addWatch(uint bucketId, const QString &key, const QByteArray &method)
{
    m_watches.push_back(Watch{bucketId, key, method.left(maxMethodNameBytes), QString()});
}

void DB_BucketDbusInterface::receiveBucketUpdate(uint bucketId, QString key, QString value)
{
    for (Watch &watch : m_watches) {
        if (watch.bucketId != bucketId || watch.key != key || watch.lastSent == value)
            continue;
        watch.lastSent = value;
        SetDBUS(watch.method, value);
    }
}

bool DB_BucketDbusInterface::SetDBUS(const QByteArray &method, const QString &value)
{
    QMutexLocker locker(&m_callLock);
    const QDBusMessage reply = call(QDBus::Block, QString::fromLatin1(method), value);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qWarning() << "DB_BucketDbusInterface::SetDBUS"
                   << ": " << method << ": Failed";
        qWarning() << "err :" << reply.errorMessage();
        return false;
    }
    return true;
}

#include "app/EngineDirectories.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>

namespace EngineDirectories {

QString baseDirectory()
{
    const QChar separator = QDir::separator();
    return QLatin1String("c:") + separator + QLatin1String("DESKSIM") + separator + QLatin1String("DESKSIM 3_6");
}

QString dataDirectory(quint16 port)
{
    return baseDirectory() + QDir::separator() + QLatin1String("data") + QString::number(port);
}

bool enterDataDirectory(quint16 port)
{
    const QString path = dataDirectory(port);
    if (!QDir().mkpath(path)) {
        qWarning() << "EngineDirectories::enterDataDirectory"
                   << " Cannot create the data directory " << QDir::current().absoluteFilePath(path) << ", working in "
                   << QDir::currentPath();
        return false;
    }
    if (!QDir::setCurrent(path)) {
        qWarning() << "EngineDirectories::enterDataDirectory"
                   << " Cannot enter the data directory " << QDir::current().absoluteFilePath(path) << ", working in "
                   << QDir::currentPath();
        return false;
    }
    return true;
}

QString lockFileName()
{
    return QDir::current().absoluteFilePath(QStringLiteral("teskengine.lock"));
}

bool holdDataDirectory(QLockFile &lock)
{
    // A running engine's lock never turns stale with age; the lock of one
    // that died is taken over at once.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError) {
        qWarning().nospace().noquote() << "EngineDirectories::holdDataDirectory Cannot lock the data directory "
                                       << QDir::currentPath() << " (" << lockFileName()
                                       << "), running without the lock";
        return true;
    }
    qint64 holder = 0;
    QString host;
    QString program;
    lock.getLockInfo(&holder, &host, &program);
    qWarning().nospace().noquote() << "EngineDirectories::holdDataDirectory The data directory " << QDir::currentPath()
                                   << " is held by another engine (process " << holder << " " << program
                                   << "); this engine leaves it alone and exits";
    return false;
}

} // namespace EngineDirectories

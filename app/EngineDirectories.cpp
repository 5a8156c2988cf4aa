#include "app/EngineDirectories.h"

#include <QDebug>
#include <QDir>

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

} // namespace EngineDirectories

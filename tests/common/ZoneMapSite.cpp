#include "ZoneMapSite.h"

#include "ArtworkDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

const QString ZoneMaps = QStringLiteral("zonemaps");

} // namespace

ZoneMapSite::ZoneMapSite()
    : m_previous(QDir::currentPath())
{
    const QDir artwork(ArtworkDir::buildResources());
    if (!m_root.isValid() || !artwork.exists())
        return;
    QDir root(m_root.path());
    if (!root.mkpath(QStringLiteral("data")) || !root.mkpath(QStringLiteral("resources/zonemaps")))
        return;
    const QDir resources(root.filePath(QStringLiteral("resources")));
    for (const QFileInfo &entry : artwork.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.fileName() != ZoneMaps
            && !QFile::link(entry.absoluteFilePath(), resources.filePath(entry.fileName())))
            return;
    }
    m_valid = QDir::setCurrent(root.filePath(QStringLiteral("data")));
}

ZoneMapSite::~ZoneMapSite()
{
    QDir::setCurrent(m_previous);
}

bool ZoneMapSite::isValid() const
{
    return m_valid;
}

QFileInfo ZoneMapSite::addImage(const QString &folder, const QString &name, const QSize &size, qint64 bytes)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QByteArray content;
    QBuffer buffer(&content);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QFileInfo();
    if (bytes > content.size())
        content.append(QByteArray(int(bytes - content.size()), '\0'));
    return addFile(folder, name, content);
}

QFileInfo ZoneMapSite::addFile(const QString &folder, const QString &name, const QByteArray &content)
{
    const QDir zoneMaps(QDir(m_root.path()).filePath(QStringLiteral("resources/") + ZoneMaps));
    const QString path = zoneMaps.filePath(folder + QLatin1Char('/') + name);
    if (!zoneMaps.mkpath(QFileInfo(path).path()))
        return QFileInfo();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QFileInfo();
    file.close();
    return QFileInfo(file.fileName());
}

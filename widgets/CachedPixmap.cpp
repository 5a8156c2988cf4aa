#include "widgets/CachedPixmap.h"

#include <QPixmapCache>

QPixmap CachedPixmap::frame(const QString &key, const QString &fileName)
{
    QPixmap image;
    if (!QPixmapCache::find(key, &image)) {
        image.load(QStringLiteral("../resources/Frames/") + fileName);
        QPixmapCache::insert(key, image);
    }
    return image;
}

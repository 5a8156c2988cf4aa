#pragma once

#include <QPixmap>
#include <QString>

// Frame images shared through the process-wide pixmap cache under short
// keys; the views that use them clear the cache when they go.
class CachedPixmap final
{
public:
    // The image under the key, read from "../resources/Frames/" and cached
    // when the key is missing.
    static QPixmap frame(const QString &key, const QString &fileName);
};

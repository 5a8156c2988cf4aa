#pragma once

#include <QFileInfo>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

// A data folder, as ArtworkDir makes one, whose "../resources" holds the
// painted artwork beside a zone-map folder of the test's own, so that the
// zone-map screens read fixtures written file by file, never the build's
// sample. Restores the working directory when it goes.
class ZoneMapSite final
{
public:
    ZoneMapSite();
    ~ZoneMapSite();
    ZoneMapSite(const ZoneMapSite &) = delete;
    ZoneMapSite &operator=(const ZoneMapSite &) = delete;

    bool isValid() const;

    // Writes a PNG of the size, in one colour, as "zonemaps/<folder>/<name>";
    // when bytes is larger than the image, zero bytes after the image's end
    // make the file that long (image readers stop at the end). Null on
    // failure.
    QFileInfo addImage(const QString &folder, const QString &name, const QSize &size, qint64 bytes = 0);
    // Any content under any name, an image or not.
    QFileInfo addFile(const QString &folder, const QString &name, const QByteArray &content);

private:
    QTemporaryDir m_root;
    QString m_previous;
    bool m_valid = false;
};

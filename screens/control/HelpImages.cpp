#include "screens/control/HelpImages.h"

#include <QDir>
#include <QImageReader>

namespace HelpImages {

bool isTooLarge(const QFileInfo &file)
{
    return file.size() > MaxImageBytes;
}

void appendHelpImages(const QString &folder, QList<QFileInfo> &images)
{
    QStringList filters;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        filters << QStringLiteral("*.") + QString::fromLatin1(format);
    const QFileInfoList files = QDir(folder).entryInfoList(filters, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!isTooLarge(file))
            images.append(file);
    }
}

} // namespace HelpImages

#pragma once

#include <QFileInfo>
#include <QList>
#include <QString>

// The help images installed on the panel (zone maps): plain files that an
// update unpacked, listed and shown as they are.
namespace HelpImages {

// A larger file is never listed or shown: the panel has little memory.
constexpr qint64 MaxImageBytes = 512000;

bool isTooLarge(const QFileInfo &file);

// Appends the image files of the folder (the formats the image reader
// knows), in name order, leaving out those too large; a missing folder
// adds nothing.
void appendHelpImages(const QString &folder, QList<QFileInfo> &images);

} // namespace HelpImages

#pragma once

#include <QPixmap>
#include <QString>

// One of the panel's icons, read by its file name from the installed
// resources (a null pixmap when the file is missing).
inline QPixmap panelIcon(const char *name)
{
    return QPixmap(QStringLiteral("../resources/icons/") + QLatin1String(name));
}

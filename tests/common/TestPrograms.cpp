#include "TestPrograms.h"

#include <QDir>
#include <QtGlobal>

namespace TestPrograms {

QString path(const QString &relativePath)
{
    return QDir(qEnvironmentVariable("TESK_BUILD_DIR")).filePath(relativePath);
}

} // namespace TestPrograms

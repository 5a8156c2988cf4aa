#include "paneldata/PanelPointStringsFile.h"

#include "paneldata/TCTypes.h"

#include <QDir>

namespace {

const QString StringsDirectory = QStringLiteral("strings");

} // namespace

PanelPointStringsFile::PanelPointStringsFile(quint8 panel)
    : QFile(directoryPath(panel) + QDir::separator()
            + QStringLiteral("%1%2%3").arg(QStringLiteral("output_")).arg(panel, 2, 10, QLatin1Char('0')).arg(QStringLiteral(".txt")))
    , m_panel(panel)
{
}

QString PanelPointStringsFile::directoryPath(quint8 panel)
{
    return QDir::current().filePath(StringsDirectory + QDir::separator() + QString::number(panel));
}

void PanelPointStringsFile::removeFiles()
{
    QDir(directoryPath(m_panel)).removeRecursively();
    if (m_panel == TC::cAllPanels)
        QDir(QDir::current().filePath(StringsDirectory)).removeRecursively();
    else if (exists())
        remove();
}

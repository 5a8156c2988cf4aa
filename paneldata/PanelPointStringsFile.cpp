#include "paneldata/PanelPointStringsFile.h"

#include "core/TCTypes.h"
#include "paneldata/PanelPointStringsContainer.h"
#include "paneldata/PointTextLines.h"

#include <QDebug>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <cerrno>

namespace {

const QString StringsDirectory = QStringLiteral("strings");
constexpr char Encoding[] = "UTF-8";

} // namespace

PanelPointStringsFile::PanelPointStringsFile(quint8 panel)
    : QFile(directoryPath(panel) + QDir::separator()
            + QStringLiteral("%1%2%3")
                  .arg(QStringLiteral("output_"))
                  .arg(panel, 2, 10, QLatin1Char('0'))
                  .arg(QStringLiteral(".txt")))
    , m_panel(panel)
{
}

QString PanelPointStringsFile::directoryPath(quint8 panel)
{
    return QDir::current().filePath(StringsDirectory + QDir::separator() + QString::number(panel));
}

bool PanelPointStringsFile::readContainer(PanelPointStringsContainer &texts)
{
    texts.clear();
    if (!open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(this);
    stream.setCodec(Encoding);
    stream >> texts;
    close();
    return true;
}

bool PanelPointStringsFile::writeContainer(const PanelPointStringsContainer &texts)
{
    const QString directory = directoryPath(m_panel);
    if (!QDir().mkpath(directory)) {
        // mkpath keeps the system's reason in errno alone.
        const QString cause = qt_error_string(errno);
        qWarning() << "PanelPointStringsFile::writeContainer"
                   << " cannot create" << directory << cause;
        return false;
    }
    QSaveFile file(fileName());
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "PanelPointStringsFile::writeContainer"
                   << " cannot write" << fileName() << file.errorString();
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec(Encoding);
    stream << texts;
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        qWarning() << "PanelPointStringsFile::writeContainer"
                   << " writing" << fileName() << "failed:" << file.errorString() << "; the previous file stays";
        return false;
    }
    return true;
}

void PanelPointStringsFile::removeFiles()
{
    QDir(directoryPath(m_panel)).removeRecursively();
    if (m_panel == TC::cAllPanels)
        QDir(QDir::current().filePath(StringsDirectory)).removeRecursively();
    else if (exists())
        remove();
}

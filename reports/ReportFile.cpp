#include "reports/ReportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryFile>

#include <cstdio>

namespace {

constexpr int Candidates = 10;

} // namespace

ReportFile::ReportFile() = default;

ReportFile::~ReportFile()
{
    if (m_reserved)
        discard();
}

bool ReportFile::reserve(const QString &directory, const QString &baseName, const QString &extension)
{
    const QDir dir(directory);
    QSet<QString> taken;
    const QStringList listed =
        dir.entryList({QStringLiteral("%1_*.%2").arg(baseName, extension)}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : listed)
        taken.insert(name.toLower());
    for (int number = 0; number < Candidates; ++number) {
        const QString name = QStringLiteral("%1_%2.%3").arg(baseName).arg(number).arg(extension);
        if (taken.contains(name.toLower()))
            continue;
        // Created only when it does not exist: a save that listed the
        // directory at the same moment finds it taken.
        QFile file(dir.path() + QDir::separator() + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_path = file.fileName();
            m_reserved = true;
            return true;
        }
    }
    return false;
}

QSaveFile *ReportFile::openText()
{
    m_text = std::make_unique<QSaveFile>(m_path);
    if (!m_text->open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_text.reset();
        return nullptr;
    }
    return m_text.get();
}

bool ReportFile::commitText()
{
    if (!m_text || !m_text->commit())
        return false;
    m_text.reset();
    m_reserved = false;
    return true;
}

QString ReportFile::openWork()
{
    const QFileInfo target(m_path);
    m_work = std::make_unique<QTemporaryFile>(target.path() + QStringLiteral("/.%1.XXXXXX").arg(target.fileName()));
    if (!m_work->open()) {
        m_work.reset();
        return {};
    }
    m_work->close();
    return m_work->fileName();
}

bool ReportFile::commitWork()
{
    if (!m_work || QFileInfo(m_work->fileName()).size() <= 0)
        return false;
    // Replaces the reserved, empty file in one step.
    if (std::rename(QFile::encodeName(m_work->fileName()).constData(), QFile::encodeName(m_path).constData()) != 0)
        return false;
    m_work->setAutoRemove(false);
    m_work.reset();
    m_reserved = false;
    return true;
}

void ReportFile::discard()
{
    if (m_text)
        m_text->cancelWriting();
    m_text.reset();
    m_work.reset();
    if (m_reserved)
        QFile::remove(m_path);
    m_reserved = false;
}

#include "ArtworkDir.h"

#include <QDir>
#include <QFile>

QString ArtworkDir::buildResources()
{
    return QDir(QString::fromLocal8Bit(qgetenv("TESK_BUILD_DIR"))).filePath(QStringLiteral("resources"));
}

ArtworkDir::ArtworkDir()
    : m_previous(QDir::currentPath())
{
    if (!m_root.isValid() || !QDir(buildResources()).exists())
        return;
    const QDir root(m_root.path());
    m_valid = root.mkpath(QStringLiteral("data"))
              && QFile::link(buildResources(), root.filePath(QStringLiteral("resources")))
              && QDir::setCurrent(root.filePath(QStringLiteral("data")));
}

ArtworkDir::~ArtworkDir()
{
    QDir::setCurrent(m_previous);
}

bool ArtworkDir::isValid() const
{
    return m_valid;
}

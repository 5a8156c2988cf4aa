#pragma once

#include <QString>
#include <QTemporaryDir>

// Runs a test where the engine runs: in a data folder whose "../resources"
// is the artwork the build painted. Restores the working directory when it
// goes.
class ArtworkDir final
{
public:
    ArtworkDir();
    ~ArtworkDir();
    ArtworkDir(const ArtworkDir &) = delete;
    ArtworkDir &operator=(const ArtworkDir &) = delete;

    bool isValid() const;
    // The build's resources folder ($TESK_BUILD_DIR/resources).
    static QString buildResources();

private:
    QTemporaryDir m_root;
    QString m_previous;
    bool m_valid = false;
};

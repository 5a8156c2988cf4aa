#pragma once

#include "core/Languages.h"
#include "core/SC_Singleton.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

class QTranslator;

// The translations of the panel's two configured languages and of the
// default file, and the one of them that is installed: every text the
// screens show is a key looked up there. Selecting a language also sets the
// default locale, the right-to-left layout (Hebrew) and the font set of the
// language's script. A language whose file is missing falls back to English.
class Translator final
    : public QObject
    , public SC_Singleton<Translator>
{
    Q_OBJECT

public:
    // "TESK_" + the language's file code + ".qm".
    static QString fileName(int languageId);

    // Loads from "i18n" below the working directory until told otherwise.
    explicit Translator(QObject *parent = nullptr);
    ~Translator() override;

    QString baseDirectory() const { return m_baseDirectory; }
    // Kept as an absolute path: the engine leaves the directory it names a
    // relative base from.
    void setBaseDirectory(const QString &directory);

    void loadLanguages(int first, int second);
    bool setLanguage(int languageId);
    void setPendingLanguage(int languageId);

    QString languageName(int languageId) const;
    bool isRightToLeftLanguage() const;
    QLocale currentLanguageLocale() const;

    QList<int> loadedLanguages() const { return m_loadedIds; }
    // The id of the installed translation; -1 when none is installed.
    int installedLanguage() const;

signals:
    void languageChanged();
    void permissionsChanged(int level);

private:
    void loadOne(int languageId);
    // A new translator holding the file, or null when the file is not in
    // the directory, does not load or is empty.
    QTranslator *loadFile(const QString &fileName);
    void insert(int position, int languageId, QTranslator *translator);
    QString i18nDirectory() const;

    QList<int> m_loadedIds;
    QList<QTranslator *> m_loadedTranslators;
    int m_currentIndex = -1;
    QString m_baseDirectory;
    int m_pendingLanguage = 0;
    bool m_installed = false;
};

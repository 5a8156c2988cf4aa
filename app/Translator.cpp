#include "app/Translator.h"

#include "widgets/CardViewIface.h"
#include "widgets/FontRepository.h"
#include "widgets/Page.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QTranslator>

namespace {

constexpr char i18nFolder[] = "/i18n";
constexpr char filePrefix[] = "TESK_";
constexpr char fileSuffix[] = ".qm";
const QString fileFilter = QLatin1String(filePrefix) + QLatin1Char('*') + QLatin1String(fileSuffix);
constexpr int DefaultId = 0;
constexpr int AnyLanguage = 255;

bool isLanguageId(int id)
{
    return id >= 1 && id < Languages::Count;
}

} // namespace

QString Translator::fileName(int languageId)
{
    const int row = languageId >= 0 && languageId < Languages::Count ? languageId : Languages::EnglishId;
    return QLatin1String(filePrefix) + QLatin1String(Languages::table()[row].fileCode) + QLatin1String(fileSuffix);
}

Translator::Translator(QObject *parent)
    : QObject(parent)
    , m_baseDirectory(QDir::currentPath())
{
    loadLanguages(Languages::EnglishId, DefaultId);
}

// The translators are children: they go with this object and leave the
// application as they go.
Translator::~Translator() = default;

void Translator::setBaseDirectory(const QString &directory)
{
    m_baseDirectory = QDir(directory).absolutePath();
}

QString Translator::i18nDirectory() const
{
    return m_baseDirectory + QLatin1String(i18nFolder);
}

QTranslator *Translator::loadFile(const QString &name)
{
    const QDir directory(i18nDirectory());
    const QStringList present = directory.entryList({fileFilter}, QDir::Files | QDir::Readable);
    if (!present.contains(name))
        return nullptr;
    auto *translator = new QTranslator(this);
    if (!translator->load(name, directory.path())) {
        qWarning() << "Translator::loadFile"
                   << " Cannot read " << directory.filePath(name);
        delete translator;
        return nullptr;
    }
    if (translator->isEmpty()) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void Translator::insert(int position, int languageId, QTranslator *translator)
{
    const int at = qMin(position, m_loadedIds.size());
    m_loadedIds.insert(at, languageId);
    m_loadedTranslators.insert(at, translator);
}

void Translator::loadLanguages(int first, int second)
{
    qDeleteAll(m_loadedTranslators);
    m_loadedTranslators.clear();
    m_loadedIds.clear();
    m_currentIndex = -1;
    m_installed = false;

    if (QTranslator *defaults = loadFile(fileName(DefaultId)))
        insert(0, DefaultId, defaults);
    loadOne(isLanguageId(first) ? first : Languages::EnglishId);
    loadOne(isLanguageId(second) ? second : Languages::EnglishId);
}

void Translator::loadOne(int languageId)
{
    if (QTranslator *translator = loadFile(fileName(languageId))) {
        insert(languageId, languageId, translator);
        return;
    }
    if (fileName(languageId) == fileName(Languages::EnglishId))
        return;
    if (QTranslator *english = loadFile(fileName(Languages::EnglishId)))
        insert(Languages::EnglishId, Languages::EnglishId, english);
}

int Translator::installedLanguage() const
{
    return m_installed ? m_loadedIds.at(m_currentIndex) : -1;
}

bool Translator::setLanguage(int languageId)
{
    if (m_pendingLanguage != 0) {
        loadLanguages(m_pendingLanguage, AnyLanguage);
        languageId = m_pendingLanguage;
    }
    bool forced = false;
    if (languageId == DefaultId || languageId == AnyLanguage) {
        languageId = Languages::EnglishId;
        forced = true;
    }
    if (!isLanguageId(languageId))
        languageId = Languages::EnglishId;

    const int previous = installedLanguage();
    const int previousFontGroup = previous >= 0 ? Languages::table()[previous].fontGroup : 0;
    QTranslator *before = m_installed ? m_loadedTranslators.at(m_currentIndex) : nullptr;

    const int found = m_loadedIds.lastIndexOf(languageId);
    m_currentIndex = m_loadedTranslators.isEmpty() ? -1 : qMax(found, 0);
    QTranslator *chosen = m_currentIndex >= 0 ? m_loadedTranslators.at(m_currentIndex) : nullptr;
    if (before && before != chosen)
        QCoreApplication::removeTranslator(before);
    if (chosen && chosen != before)
        QCoreApplication::installTranslator(chosen);
    m_installed = chosen != nullptr;

    const Languages::Language &language = Languages::table()[languageId];
    QLocale::setDefault(QLocale(language.language, language.country));
    const bool rightToLeft = isRightToLeftLanguage();
    Page::setRightToLeft(rightToLeft);
    CardViewIface::setRightToLeft(rightToLeft);
    Languages::setPanelTextRightToLeft(rightToLeft);

    if (language.fontGroup != previousFontGroup || forced)
        FontRepository::instance()->setApplicationFont(language.fontGroup);

    emit languageChanged();
    return true;
}

void Translator::setPendingLanguage(int languageId)
{
    if (languageId >= 0 && languageId < Languages::Count)
        m_pendingLanguage = languageId;
}

QString Translator::languageName(int languageId) const
{
    if (m_loadedTranslators.isEmpty())
        return QString();
    const int wanted = languageId == AnyLanguage ? Languages::EnglishId : languageId;
    const char context[] = "Translator";
    const char key[] = QT_TRANSLATE_NOOP("Translator", "_LANGUAGE_NAME_SK");
    const int index = m_loadedIds.indexOf(wanted);
    if (index >= 0) {
        const QString name = m_loadedTranslators.at(index)->translate(context, key);
        if (!name.isEmpty())
            return name;
    }
    return m_loadedTranslators.first()->translate(context, key);
}

bool Translator::isRightToLeftLanguage() const
{
    return installedLanguage() == Languages::HebrewId;
}

QLocale Translator::currentLanguageLocale() const
{
    return Languages::currentLanguageLocale();
}

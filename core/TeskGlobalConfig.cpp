#include "core/TeskGlobalConfig.h"

#include "core/DOMXMLParser.h"
#include "core/GlobalConstants.h"
#include "core/XmlElementTables.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLocale>
#include <QMap>

#include <limits>
#include <optional>
#include <tuple>

namespace {

using namespace XmlElementTables;

using ElementTexts = QMap<QString, QString>;

QString elementName(GlobalConfig::Number element)
{
    return QLatin1String(globalConfig[element].name);
}

void warnIgnored(GlobalConfig::Number element, const QString &text)
{
    qWarning() << "TeskGlobalConfig::loadConfigFile"
               << " Ignoring " << elementName(element) << " = " << text;
}

// The element's number; nothing for an empty or missing element, and
// nothing, with a warning, for a text that is not a number in range.
std::optional<int> readNumber(const ElementTexts &texts, GlobalConfig::Number element, int minimum, int maximum)
{
    const QString text = texts.value(elementName(element));
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        warnIgnored(element, text);
        return std::nullopt;
    }
    return value;
}

template <typename T>
void readInto(const ElementTexts &texts, GlobalConfig::Number element, int minimum, int maximum, T &field)
{
    if (const std::optional<int> value = readNumber(texts, element, minimum, maximum))
        field = T(*value);
}

void readFlag(const ElementTexts &texts, GlobalConfig::Number element, bool &field)
{
    if (const std::optional<int> value =
            readNumber(texts, element, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()))
        field = *value != 0;
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TeskGlobalConfig::TeskGlobalConfig()
{
    clearZoneTextCache();
    loadConfigFile();
}

std::function<void()> &TeskGlobalConfig::zoneTextCacheClearer()
{
    static std::function<void()> clearer;
    return clearer;
}

void TeskGlobalConfig::setZoneTextCacheClearer(std::function<void()> clearer)
{
    zoneTextCacheClearer() = std::move(clearer);
}

void TeskGlobalConfig::clearZoneTextCache()
{
    if (const std::function<void()> &clearer = zoneTextCacheClearer())
        clearer();
}

// The engine saves its settings in the data directory; the installed file
// beside the executable is the default until the first save.
void TeskGlobalConfig::loadConfigFile()
{
    const QString installed = QCoreApplication::applicationDirPath() + QDir::separator();
    const QString saved = QLatin1String(GlobalConstants::globalConfigFileName);
    const QString file = QFile::exists(saved) ? saved : installed + saved;

    DOMXMLParser parser;
    parser.loadFile(file, installed + QLatin1String(GlobalConstants::globalConfigSchemaFileName));
    ElementTexts texts;
    parser.readElementMap(elementName(GlobalConfig::Root), texts);

    readFlag(texts, GlobalConfig::ZoneFiltering, m_zoneFiltering);
    readFlag(texts, GlobalConfig::FirstSecondFire, m_firstSecondFire);
    readFlag(texts, GlobalConfig::LogicalZones, m_logicalZones);
    readFlag(texts, GlobalConfig::LogicalAddr, m_logicalAddr);
    readInto(texts, GlobalConfig::CurrentLang, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
             m_currentLang);
    for (const auto &[element, field, configured] :
         {std::tuple{GlobalConfig::FirstLang, &m_firstLang, &m_firstLangConfigured},
          std::tuple{GlobalConfig::SecondLang, &m_secondLang, &m_secondLangConfigured}}) {
        readInto(texts, element, 0, MaxLanguageId, *field);
        *configured = !texts.value(elementName(element)).isEmpty();
    }
    quint16 langUsage = m_langUsage;
    readInto(texts, GlobalConfig::LangUsage, 0, 0xFFFF, langUsage);
    m_langUsage = quint8(langUsage);
    readInto(texts, GlobalConfig::FirstCodepage, 0, 0xFFFF, m_firstCodepage);
    readInto(texts, GlobalConfig::SecondCodepage, 0, 0xFFFF, m_secondCodepage);
}

void TeskGlobalConfig::fixLanguagesForRepeater()
{
    // A front end in the second repeater mode always starts in language 9.
    for (const auto &[field, configured] :
         {std::pair{&m_firstLang, m_firstLangConfigured}, std::pair{&m_secondLang, m_secondLangConfigured}}) {
        if (configured)
            *field = 9;
    }
}

void TeskGlobalConfig::saveConfigFile() const
{
    const ElementTexts texts = {
        {elementName(GlobalConfig::ZoneFiltering), flagText(m_zoneFiltering)},
        {elementName(GlobalConfig::FirstSecondFire), flagText(m_firstSecondFire)},
        {elementName(GlobalConfig::LogicalZones), flagText(m_logicalZones)},
        {elementName(GlobalConfig::LogicalAddr), flagText(m_logicalAddr)},
        {elementName(GlobalConfig::CurrentLang), QString::number(m_currentLang)},
        {elementName(GlobalConfig::FirstLang), QString::number(m_firstLang)},
        {elementName(GlobalConfig::SecondLang), QString::number(m_secondLang)},
        {elementName(GlobalConfig::LangUsage), QString::number(m_langUsage)},
        {elementName(GlobalConfig::FirstCodepage), QString::number(m_firstCodepage)},
        {elementName(GlobalConfig::SecondCodepage), QString::number(m_secondCodepage)},
    };
    DOMXMLParser parser{QLatin1String(GlobalConstants::globalConfigFileName)};
    parser.buildDocument(texts, elementName(GlobalConfig::Root));
    parser.save();
}

void TeskGlobalConfig::saveChanges()
{
    if (m_openBatches > 0)
        m_saveDeferred = true;
    else
        saveConfigFile();
}

TeskGlobalConfig::SaveBatch::SaveBatch(TeskGlobalConfig *config)
    : m_config(config)
{
    ++m_config->m_openBatches;
}

TeskGlobalConfig::SaveBatch::~SaveBatch()
{
    if (--m_config->m_openBatches > 0 || !m_config->m_saveDeferred)
        return;
    m_config->m_saveDeferred = false;
    m_config->saveConfigFile();
}

template <typename T> bool TeskGlobalConfig::setAndSave(T &field, T value)
{
    if (field == value)
        return false;
    field = value;
    saveChanges();
    return true;
}

int TeskGlobalConfig::getLanguage(int which) const
{
    return which == 1 ? m_firstLang : m_secondLang;
}

quint16 TeskGlobalConfig::getCodepage(int which) const
{
    return which == 1 ? m_firstCodepage : m_secondCodepage;
}

QChar TeskGlobalConfig::getAddressTypeChar(int type) const
{
    const QVector<QChar> &letters = m_currentLang == 2 ? m_addressLetters2 : m_addressLetters1;
    if (type >= 0 && type < letters.size())
        return letters.at(type);
    switch (type) {
    case 1:
        return QLatin1Char('P');
    case 2:
        return QLatin1Char('X');
    case 3: {
        const QLocale::Language language = QLocale().language();
        return language == QLocale::German || language == QLocale::SwissGerman ? QLatin1Char('Z') : QLatin1Char('T');
    }
    case 4:
        return QLatin1Char('M');
    case 6:
        return QLatin1Char('U');
    case 7:
        return QLatin1Char('F');
    case 5:
    case 254:
    case 255:
        return QLatin1Char(' ');
    default:
        return QLatin1Char('R');
    }
}

void TeskGlobalConfig::setEvacuateWithoutLogin(bool allowed)
{
    m_evacuateWithoutLogin = allowed;
    emit evacuateWithoutLoginChanged();
}

void TeskGlobalConfig::setZoneFiltering(bool on)
{
    setAndSave(m_zoneFiltering, on);
}

void TeskGlobalConfig::setFirstSecondFire(bool on)
{
    setAndSave(m_firstSecondFire, on);
}

void TeskGlobalConfig::setLogicalZones(bool on)
{
    if (setAndSave(m_logicalZones, on))
        clearZoneTextCache();
}

void TeskGlobalConfig::setLogicalAddr(bool on)
{
    if (setAndSave(m_logicalAddr, on))
        clearZoneTextCache();
}

void TeskGlobalConfig::setCurrentLang(int slot)
{
    if (setAndSave(m_currentLang, slot))
        clearZoneTextCache();
}

void TeskGlobalConfig::setLanguages(quint8 usage, quint8 first, quint16 firstCodepage, quint8 second,
                                    quint16 secondCodepage)
{
    bool changed = false;
    const auto update = [&changed](auto &field, auto value) {
        if (field != value) {
            field = value;
            changed = true;
        }
    };
    if (first <= MaxLanguageId)
        update(m_firstLang, int(first));
    update(m_firstCodepage, firstCodepage);
    if (second <= MaxLanguageId)
        update(m_secondLang, int(second));
    update(m_secondCodepage, secondCodepage);
    update(m_langUsage, usage);
    if (changed)
        saveChanges();
    clearZoneTextCache();
    emit updateLanguage();
}

void TeskGlobalConfig::setAddressLetters(int table, const QVector<QChar> &letters)
{
    if (table == 1)
        m_addressLetters1 = letters;
    else if (table == 2)
        m_addressLetters2 = letters;
}

void TeskGlobalConfig::removeConfigFile()
{
    QFile::remove(QLatin1String(GlobalConstants::globalConfigFileName));
}

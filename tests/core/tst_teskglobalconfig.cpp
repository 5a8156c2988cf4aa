#include "MessageCapture.h"
#include "StdoutCapture.h"
#include "core/TeskGlobalConfig.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString schemaFailure = QStringLiteral("Error in xml file: schemafile, but continuing.\n");
const QString savedFile = QStringLiteral("globalconfig.xml");

void writeSaved(const QByteArray &bytes)
{
    QFile file(savedFile);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readSaved()
{
    QFile file(savedFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file-backed settings as one comparable list.
QVariantList fileSettings(const TeskGlobalConfig *config)
{
    return {config->getZoneFiltering(), config->getFirstSecondFire(), config->getLogicalZones(),
            config->getLogicalAddr(),   config->getCurrentLang(),     config->getLanguage(1),
            config->getLanguage(2),     int(config->getLangUsage()),  int(config->getCodepage(1)),
            int(config->getCodepage(2))};
}

const QVariantList defaults = {false, false, false, false, 1, 0, 0, 129, 850, 850};

} // namespace

class TestTeskGlobalConfig final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsBeforeAnyFile();
    void loading_data();
    void loading();
    void fixedLanguageInSecondRepeaterMode();
    void savedSettingsAreReadBack_data();
    void savedSettingsAreReadBack();
    void unchangedSettingWritesNothing();
    void setLanguages_data();
    void setLanguages();
    void evacuateWithoutLoginSignalsEveryTime();
    void packetHeaderLayout();
    void restrictionMasks();
    void addressTypeChar_data();
    void addressTypeChar();
    void removeConfigFile();

private:
    TeskGlobalConfig *reload();

    QTemporaryDir *m_dir = nullptr;
    TeskGlobalConfig *m_config = nullptr;
};

void TestTeskGlobalConfig::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestTeskGlobalConfig::cleanup()
{
    delete m_config;
    m_config = nullptr;
    QLocale::setDefault(QLocale::c());
    delete m_dir;
}

TeskGlobalConfig *TestTeskGlobalConfig::reload()
{
    delete m_config;
    m_config = TeskGlobalConfig::instance();
    return m_config;
}

void TestTeskGlobalConfig::defaultsBeforeAnyFile()
{
    StdoutCapture output;
    reload();
    // The installed default beside the program validates.
    QVERIFY(!output.text().contains(schemaFailure));
    QCOMPARE(fileSettings(m_config), defaults);
    QCOMPARE(m_config->getDateFormat(), 2);
    QCOMPARE(m_config->getInputPointChannel(), 5);
    QCOMPARE(m_config->getRbusAddress(), 15);
    QCOMPARE(m_config->getEngineerLogoutTime(), 0);
    QCOMPARE(m_config->packetHeaderLayout(), 0);
    QVERIFY(!m_config->isKeyswitchEnabled() && !m_config->isEvacuateEnabled());
    QCOMPARE(m_config->getTimeFormat(), QStringLiteral("hh:mm"));
    QVERIFY(!QFile::exists(savedFile));
}

void TestTeskGlobalConfig::loading_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("schemaFailure");
    QTest::addColumn<QVariantList>("settings");

    QTest::newRow("every setting") << QByteArray(
        "<globalConfig><zoneFiltering>1</zoneFiltering><firstSecondFire>1</firstSecondFire>"
        "<logicalZones>1</logicalZones><logicalAddr>1</logicalAddr>"
        "<currentLang>2</currentLang><firstLang>5</firstLang><secondLang>38</secondLang>"
        "<langUsage>2</langUsage><firstCodepage>1252</firstCodepage>"
        "<secondCodepage>866</secondCodepage></globalConfig>")
                                   << false << QVariantList{true, true, true, true, 2, 5, 38, 2, 1252, 866};
    QTest::newRow("some settings, the rest default")
        << QByteArray("<globalConfig><logicalAddr>1</logicalAddr><secondLang>7</secondLang></globalConfig>") << false
        << QVariantList{false, false, false, true, 1, 0, 7, 129, 850, 850};
    QTest::newRow("empty element keeps its default")
        << QByteArray("<globalConfig><firstLang></firstLang><secondLang>3</secondLang></globalConfig>") << true
        << QVariantList{false, false, false, false, 1, 0, 3, 129, 850, 850};
    QTest::newRow("failing schema, still read")
        << QByteArray("<globalConfig><zoneFiltering>2</zoneFiltering><langUsage>300</langUsage>"
                      "<colour>red</colour></globalConfig>")
        << true << QVariantList{true, false, false, false, 1, 0, 0, 44, 850, 850};
    QTest::newRow("language beyond the table is ignored")
        << QByteArray("<globalConfig><firstLang>39</firstLang><secondLang>200</secondLang></globalConfig>") << true
        << defaults;
    QTest::newRow("not numbers are ignored")
        << QByteArray("<globalConfig><logicalZones>yes</logicalZones><firstCodepage>cp1252</firstCodepage>"
                      "<secondCodepage>70000</secondCodepage><currentLang>-</currentLang></globalConfig>")
        << true << defaults;
    QTest::newRow("garbage") << QByteArray("\x01\x02 not xml at all <<<") << true << defaults;
    QTest::newRow("empty file") << QByteArray("") << true << defaults;
}

void TestTeskGlobalConfig::loading()
{
    QFETCH(QByteArray, saved);
    QFETCH(bool, schemaFailure);
    QFETCH(QVariantList, settings);

    writeSaved(saved);
    StdoutCapture output;
    reload();
    QCOMPARE(output.text().count(::schemaFailure), schemaFailure ? 1 : 0);
    QCOMPARE(fileSettings(m_config), settings);
}

void TestTeskGlobalConfig::fixedLanguageInSecondRepeaterMode()
{
    writeSaved("<globalConfig><firstLang>5</firstLang></globalConfig>");
    reload();
    m_config->fixLanguagesForRepeater();
    QCOMPARE(m_config->getLanguage(1), 9);
    QCOMPARE(m_config->getLanguage(2), 0);
}

void TestTeskGlobalConfig::savedSettingsAreReadBack_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("zone filtering") << "zoneFiltering" << 0 << QVariant(true);
    QTest::newRow("first/second fire") << "firstSecondFire" << 1 << QVariant(true);
    QTest::newRow("logical zones") << "logicalZones" << 2 << QVariant(true);
    QTest::newRow("logical addresses") << "logicalAddr" << 3 << QVariant(true);
    QTest::newRow("current language") << "currentLang" << 4 << QVariant(2);
}

// A setting changed while the engine runs is saved in the data directory
// and is what the next start reads.
void TestTeskGlobalConfig::savedSettingsAreReadBack()
{
    QFETCH(QString, setting);
    QFETCH(int, index);
    QFETCH(QVariant, value);

    reload();
    if (setting == QLatin1String("zoneFiltering"))
        m_config->setZoneFiltering(true);
    else if (setting == QLatin1String("firstSecondFire"))
        m_config->setFirstSecondFire(true);
    else if (setting == QLatin1String("logicalZones"))
        m_config->setLogicalZones(true);
    else if (setting == QLatin1String("logicalAddr"))
        m_config->setLogicalAddr(true);
    else
        m_config->setCurrentLang(2);
    QVERIFY(readSaved().contains(QByteArray("<") + setting.toLatin1() + ">"));

    StdoutCapture output;
    reload();
    QVERIFY(!output.text().contains(schemaFailure));
    QVariantList expected = defaults;
    expected[index] = value;
    QCOMPARE(fileSettings(m_config), expected);
}

void TestTeskGlobalConfig::unchangedSettingWritesNothing()
{
    reload();
    m_config->setZoneFiltering(false);
    m_config->setCurrentLang(1);
    m_config->setLogicalAddr(false);
    QVERIFY(!QFile::exists(savedFile));
}

void TestTeskGlobalConfig::setLanguages_data()
{
    QTest::addColumn<int>("usage");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("firstCodepage");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("secondCodepage");
    QTest::addColumn<QVariantList>("languages"); // usage, first, first cp, second, second cp
    QTest::addColumn<bool>("saved");

    QTest::newRow("unchanged") << 129 << 0 << 850 << 0 << 850 << QVariantList{129, 0, 850, 0, 850} << false;
    QTest::newRow("first 38 accepted") << 129 << 38 << 850 << 0 << 850 << QVariantList{129, 38, 850, 0, 850} << true;
    QTest::newRow("first 39 ignored") << 129 << 39 << 850 << 0 << 850 << QVariantList{129, 0, 850, 0, 850} << false;
    QTest::newRow("second 255 ignored, code page taken")
        << 129 << 4 << 1252 << 255 << 1251 << QVariantList{129, 4, 1252, 0, 1251} << true;
    QTest::newRow("usage alone") << 1 << 0 << 850 << 0 << 850 << QVariantList{1, 0, 850, 0, 850} << true;
}

void TestTeskGlobalConfig::setLanguages()
{
    QFETCH(int, usage);
    QFETCH(int, first);
    QFETCH(int, firstCodepage);
    QFETCH(int, second);
    QFETCH(int, secondCodepage);
    QFETCH(QVariantList, languages);
    QFETCH(bool, saved);

    reload();
    QSignalSpy updated(m_config, &TeskGlobalConfig::updateLanguage);
    m_config->setLanguages(quint8(usage), quint8(first), quint16(firstCodepage), quint8(second),
                           quint16(secondCodepage));
    QCOMPARE(updated.count(), 1);
    QCOMPARE((QVariantList{int(m_config->getLangUsage()), m_config->getLanguage(1), int(m_config->getCodepage(1)),
                           m_config->getLanguage(2), int(m_config->getCodepage(2))}),
             languages);
    QCOMPARE(QFile::exists(savedFile), saved);
    if (saved) {
        reload();
        QCOMPARE(int(m_config->getLangUsage()), languages.at(0).toInt());
        QCOMPARE(m_config->getLanguage(1), languages.at(1).toInt());
        QCOMPARE(int(m_config->getCodepage(2)), languages.at(4).toInt());
    }
}

void TestTeskGlobalConfig::evacuateWithoutLoginSignalsEveryTime()
{
    reload();
    QSignalSpy changed(m_config, &TeskGlobalConfig::evacuateWithoutLoginChanged);
    m_config->setEvacuateWithoutLogin(false);
    m_config->setEvacuateWithoutLogin(true);
    m_config->setEvacuateWithoutLogin(true);
    QCOMPARE(changed.count(), 3);
    QVERIFY(m_config->isEvacuateWithoutLogin());
}

void TestTeskGlobalConfig::packetHeaderLayout()
{
    reload();
    m_config->setPacketHeaderLayout(600);
    QCOMPARE(m_config->packetHeaderLayout(), 1);
    m_config->setPacketHeaderLayout(599);
    QCOMPARE(m_config->packetHeaderLayout(), 0);
    m_config->setPacketHeaderLayout(500);
    QCOMPARE(m_config->packetHeaderLayout(), 0);
}

void TestTeskGlobalConfig::restrictionMasks()
{
    reload();
    m_config->setRestrictionMask(0x0102);
    m_config->setRestrictionMaskExt(0x8000);
    QVERIFY(m_config->isRestricted(0x100));
    QVERIFY(m_config->isRestricted(0x2));
    QVERIFY(!m_config->isRestricted(0x800));
    QVERIFY(m_config->isRestrictedExt(0x8000));
    QVERIFY(!m_config->isRestrictedExt(0x100));
}

void TestTeskGlobalConfig::addressTypeChar_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("currentLang");
    QTest::addColumn<QString>("letters1");
    QTest::addColumn<QString>("letters2");
    QTest::addColumn<int>("type");
    QTest::addColumn<QChar>("letter");

    QTest::newRow("3 in English") << "en_GB" << 1 << ""
                                  << "" << 3 << QChar('T');
    QTest::newRow("3 in German") << "de_DE" << 1 << ""
                                 << "" << 3 << QChar('Z');
    QTest::newRow("3 in Swiss German") << "gsw_CH" << 1 << ""
                                       << "" << 3 << QChar('Z');
    QTest::newRow("1") << "en_GB" << 1 << ""
                       << "" << 1 << QChar('P');
    QTest::newRow("2") << "en_GB" << 1 << ""
                       << "" << 2 << QChar('X');
    QTest::newRow("4") << "en_GB" << 1 << ""
                       << "" << 4 << QChar('M');
    QTest::newRow("5") << "en_GB" << 1 << ""
                       << "" << 5 << QChar(' ');
    QTest::newRow("6") << "en_GB" << 1 << ""
                       << "" << 6 << QChar('U');
    QTest::newRow("7") << "en_GB" << 1 << ""
                       << "" << 7 << QChar('F');
    QTest::newRow("0") << "en_GB" << 1 << ""
                       << "" << 0 << QChar('R');
    QTest::newRow("8") << "en_GB" << 1 << ""
                       << "" << 8 << QChar('R');
    QTest::newRow("253") << "en_GB" << 1 << ""
                         << "" << 253 << QChar('R');
    QTest::newRow("254") << "en_GB" << 1 << ""
                         << "" << 254 << QChar(' ');
    QTest::newRow("255") << "en_GB" << 1 << ""
                         << "" << 255 << QChar(' ');
    QTest::newRow("negative") << "en_GB" << 1 << "AB"
                              << "" << -1 << QChar('R');
    QTest::newRow("first table") << "en_GB" << 1 << "abcd"
                                 << "wxyz" << 3 << QChar('d');
    QTest::newRow("second table") << "en_GB" << 2 << "abcd"
                                  << "wxyz" << 3 << QChar('z');
    QTest::newRow("beyond the table") << "en_GB" << 1 << "ab"
                                      << "" << 3 << QChar('T');
}

void TestTeskGlobalConfig::addressTypeChar()
{
    QFETCH(QString, locale);
    QFETCH(int, currentLang);
    QFETCH(QString, letters1);
    QFETCH(QString, letters2);
    QFETCH(int, type);
    QFETCH(QChar, letter);

    QLocale::setDefault(QLocale(locale));
    reload();
    m_config->setCurrentLang(currentLang);
    m_config->setAddressLetters(1, QVector<QChar>(letters1.cbegin(), letters1.cend()));
    m_config->setAddressLetters(2, QVector<QChar>(letters2.cbegin(), letters2.cend()));
    m_config->setAddressLetters(3, QVector<QChar>{QChar('!')});
    QCOMPARE(m_config->getAddressTypeChar(type), letter);
}

void TestTeskGlobalConfig::removeConfigFile()
{
    reload();
    m_config->setZoneFiltering(true);
    QVERIFY(QFile::exists(savedFile));
    m_config->removeConfigFile();
    QVERIFY(!QFile::exists(savedFile));
    reload();
    QCOMPARE(fileSettings(m_config), defaults);
}

QTEST_GUILESS_MAIN(TestTeskGlobalConfig)
#include "tst_teskglobalconfig.moc"

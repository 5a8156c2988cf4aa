#include "ConfigurationPageBench.h"
#include "link/PanelTextDecoder.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointTextCache.h"

#include <QtTest>

#include <memory>

// Page 41, the global configuration details: the display flags and node
// bytes, the unit texts, the feature word, the panel options and the
// default point texts.

namespace {

constexpr int GlobalConfig = 41;

// Display flags 0x004b (loop format 3, restricted log-on, fault signalling),
// template 1, time keeper 2, supervisor 3, master 4.
const char *const Fixed = "004b 01 02 03 04";

const QStringList FixedKeys{"inclFltSgnlng=64", "loopDspFmt=3",      "mstrNodeID=4", "retrctLgin=1",
                            "suprvisrNodeID=3", "timeKeeprNodeID=2", "tmplateID=1"};

QStringList featureKeys(quint16 word)
{
    const char *const names[] = {"mnlTxtRtrlSpt",  "en54part13Spt",       "sndrRsmFltEnbld", "mnlCfgSupLk6",
                                 "OtptSelfTstSpt", "ipLstPassTstDateSpt", "multiToneEnabled"};
    QStringList keys;
    for (int bit = 0; bit < 7; ++bit)
        keys << QStringLiteral("%1=%2").arg(QLatin1String(names[bit])).arg(word & (1 << bit));
    return keys;
}

// C0 C1 in code page 1251 and in 1253.
const QString Cyrillic = QString(QChar(0x0410)) + QChar(0x0411);
const QString Greek = QString(QChar(0x0390)) + QChar(0x0391);

} // namespace

class tst_GlobalConfigPage final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void stored_data();
    void stored();
    void optionsAndDefaultTexts();
    void unitRecordCutShortIsRefused();

private:
    QTemporaryDir m_directory;
    std::unique_ptr<ConfigurationPageBench> m_pages;
};

void tst_GlobalConfigPage::initTestCase()
{
    // The engine's configuration, which the decoders start from, is read
    // and written in the working directory.
    QVERIFY(QDir::setCurrent(m_directory.path()));
    QVERIFY(textDecoders().setupTextDecoder(1, 1251));
    QVERIFY(textDecoders().setupTextDecoder(2, 1253));
}

void tst_GlobalConfigPage::cleanupTestCase()
{
    textDecoders().setupTextDecoder(1, PanelTextDecoder::DefaultCodePage);
    textDecoders().setupTextDecoder(2, PanelTextDecoder::DefaultCodePage);
}

void tst_GlobalConfigPage::init()
{
    m_pages = std::make_unique<ConfigurationPageBench>();
    PanelConfiguration::instance()->setPanelOptions(QBitArray());
    PointTextCache::instance()->setDefaultTexts(QString(), QString());
}

void tst_GlobalConfigPage::cleanup()
{
    m_pages.reset();
}

void tst_GlobalConfigPage::stored_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("no unit texts") << hex(Fixed) << FixedKeys;
    QTest::newRow("three languages of unit texts: nothing after the nodes")
        << hex(Fixed) + hex("03 01 05") + pageText("x") << FixedKeys;
    // Each unit's texts in its own language's code page, under its first id.
    QTest::newRow("two languages, feature word absent")
        << hex(Fixed) + hex("02 02  05 02c0c1 06 02c0c1  07 01 41 08 01 42")
        << FixedKeys + featureKeys(255)
               + QStringList{"measureUnitTyp|5|1=" + Cyrillic, "measureUnitTyp|5|2=" + Greek, "measureUnitTyp|7|1=A",
                             "measureUnitTyp|7|2=B"};
    QTest::newRow("one language, feature word")
        << hex(Fixed) + hex("01 01  09 02c0c1  0005")
        << FixedKeys + featureKeys(5) + QStringList{"measureUnitTyp|9|1=" + Cyrillic};
    // A unit count the bytes do not bear out: the units present are kept.
    QTest::newRow("fewer units than counted")
        << hex(Fixed) + hex("01 05  09 01 41") << FixedKeys + featureKeys(255) + QStringList{"measureUnitTyp|9|1=A"};
}

void tst_GlobalConfigPage::stored()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, keys);
    QCOMPARE(m_pages->receive(GlobalConfig, 254, 0, body), 0);
    QCOMPARE(m_pages->bench().bucket(GlobalConfig), sortedEntries(keys));
    sc_syncPages::SignatureEntry entry;
    QVERIFY(SyncClient::instance()->syncPages().signature(GlobalConfig, 254, 0, entry));
}

void tst_GlobalConfigPage::optionsAndDefaultTexts()
{
    QCOMPARE(m_pages->receive(GlobalConfig, 254, 0, hex(Fixed) + hex("01 00  0000  0a 05 02  02c0c1 02c0c1")), 0);
    const QBitArray options = PanelConfiguration::instance()->panelOptions();
    QVERIFY(options.testBit(0) && options.testBit(2) && options.testBit(9));
    QCOMPARE(options.count(true), 3);
    QCOMPARE(PointTextCache::instance()->defaultText(1), Cyrillic);
    QCOMPARE(PointTextCache::instance()->defaultText(2), Greek);
}

void tst_GlobalConfigPage::unitRecordCutShortIsRefused()
{
    QCOMPARE(m_pages->receive(GlobalConfig, 254, 0, hex(Fixed) + hex("02 01  05 03 41")), 1);
    QVERIFY(m_pages->bench().bucket(GlobalConfig).isEmpty());
}

QTEST_GUILESS_MAIN(tst_GlobalConfigPage)
#include "tst_globalconfigpage.moc"

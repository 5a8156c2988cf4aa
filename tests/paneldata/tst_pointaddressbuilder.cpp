#include "MessageCapture.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointAddressBuilderLK6.h"
#include "paneldata/PointCoreConfiguration.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Options
{
    int displayMode = 0;
    bool numericLoop = false;
    QChar separatorLetter;
    bool loopOnly = false;
    bool logical = false;
    bool forced = false;
    quint8 logicalPointNumber = 251;
    // The loop display format of the configuration details page, when set.
    QString loopFormat;
};

} // namespace

Q_DECLARE_METATYPE(Options)

class TestPointAddressBuilder final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void loopLabel_data();
    void loopLabel();
    void loopLabel_configuredFormat();

    void build_data();
    void build();
    void kind13WithoutAddress_warns();
    void logicalNumber_lookedUpAbove250();

private:
    QTemporaryDir m_dataDirectory;
};

void TestPointAddressBuilder::initTestCase()
{
    QVERIFY(m_dataDirectory.isValid());
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
    TeskGlobalConfig::instance()->setAddressLetters(
        1, {QLatin1Char('R'), QLatin1Char('P'), QLatin1Char('X'), QLatin1Char('T')});
    TeskGlobalConfig::instance()->setCurrentLang(1);
}

void TestPointAddressBuilder::init()
{
    BucketMaster::instance()->clearAll();
    PointCoreConfiguration::instance()->clearPanel(255);
    TeskGlobalConfig::instance()->setLogicalAddr(false);
}

void TestPointAddressBuilder::loopLabel_data()
{
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("label");

    QTest::newRow("1, letters") << 1 << 0 << QStringLiteral("A");
    QTest::newRow("8, letters") << 8 << 0 << QStringLiteral("H");
    QTest::newRow("9, letters") << 9 << 0 << QStringLiteral("!");
    QTest::newRow("1, numbers") << 1 << 1 << QStringLiteral("L01");
    QTest::newRow("32, numbers") << 32 << 1 << QStringLiteral("L32");
    QTest::newRow("33, numbers") << 33 << 1 << QStringLiteral("!");
    QTest::newRow("33, mode 2") << 33 << 2 << QStringLiteral("L33");
    QTest::newRow("200, mode 7") << 200 << 7 << QStringLiteral("L200");
    QTest::newRow("0, letters") << 0 << 0 << QStringLiteral("!");
    QTest::newRow("0, mode 2") << 0 << 2 << QStringLiteral("!");
}

void TestPointAddressBuilder::loopLabel()
{
    QFETCH(int, loop);
    QFETCH(int, mode);
    QFETCH(QString, label);
    QCOMPARE(BasicPointAddress::loopLabel(quint8(loop), mode), label);
}

void TestPointAddressBuilder::loopLabel_configuredFormat()
{
    QCOMPARE(BasicPointAddress::loopLabel(3, 255), QStringLiteral("C"));
    BucketMaster::instance()->setValue(41, QStringLiteral("loopDspFmt"), QStringLiteral("1"));
    QCOMPARE(BasicPointAddress::loopLabel(3, 255), QStringLiteral("L03"));
    BucketMaster::instance()->setValue(41, QStringLiteral("loopDspFmt"), QStringLiteral("x"));
    QCOMPARE(BasicPointAddress::loopLabel(3, 255), QStringLiteral("C"));
}

void TestPointAddressBuilder::build_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("point");
    QTest::addColumn<Options>("options");
    QTest::addColumn<QString>("text");

    const Options standard;
    Options shortForm;
    shortForm.displayMode = 1;
    QTest::newRow("COM1 port") << 2 << 2 << 0 << 5 << standard << QStringLiteral(" COM1X05");
    QTest::newRow("kind 0, blank name") << 0 << 0 << 0 << 12 << standard << QStringLiteral("    R012");
    QTest::newRow("kind 0, blank name, short form") << 0 << 0 << 0 << 12 << shortForm << QStringLiteral("/R012");
    QTest::newRow("kind 0, network") << 0 << 0 << 28 << 5 << standard << QStringLiteral(" NET R05");
    QTest::newRow("kind 0, other address") << 0 << 0 << 9 << 5 << standard << QStringLiteral("    R005");
    QTest::newRow("local bus") << 1 << 1 << 3 << 7 << standard << QStringLiteral(" RB03P07");
    QTest::newRow("local bus, short form") << 5 << 2 << 11 << 4 << shortForm << QStringLiteral("/LN11X04");
    QTest::newRow("kind 13 local") << 13 << 3 << 2 << 9 << standard << QStringLiteral(" MD02T09");
    QTest::newRow("kind 3, point 255 blank") << 3 << 1 << 0 << 255 << standard << QStringLiteral(" COM2P   ");
    QTest::newRow("kind 3, other address") << 3 << 1 << 4 << 6 << standard << QStringLiteral("    P006");
    QTest::newRow("kind 4, network") << 4 << 0 << 28 << 6 << standard << QStringLiteral(" NETR006");
    QTest::newRow("kind 7") << 7 << 0 << 0 << 3 << standard << QStringLiteral("     R03");
    QTest::newRow("kind 14, 1") << 14 << 0 << 1 << 9 << standard << QStringLiteral(" COM4   ");
    QTest::newRow("kind 14, 5") << 14 << 0 << 5 << 9 << standard << QStringLiteral(" LNet   ");
    QTest::newRow("kind 14, 9") << 14 << 0 << 9 << 9 << standard << QStringLiteral(" COM?   ");
    QTest::newRow("kind 15, 1") << 15 << 0 << 1 << 4 << standard << QStringLiteral(" RBus 04");
    QTest::newRow("kind 15, 6") << 15 << 0 << 6 << 4 << standard << QStringLiteral(" SBus 04");
    QTest::newRow("kind 15, 7") << 15 << 0 << 7 << 4 << standard << QStringLiteral(" ???? 04");
    QTest::newRow("kind 15, 12 is a loop") << 15 << 0 << 12 << 4 << standard << QStringLiteral(" !004");
    QTest::newRow("kind 128, 255") << 128 << 0 << 255 << 1 << standard << QStringLiteral("     R01");
    QTest::newRow("kind 128, 4") << 128 << 0 << 4 << 1 << standard << QStringLiteral(" ????R01");
    QTest::newRow("kind 12, address 40") << 12 << 0 << 40 << 7 << standard << QStringLiteral("     R07");

    Options loopOnly;
    loopOnly.loopOnly = true;
    QTest::newRow("loop only") << 12 << 0 << 3 << 7 << loopOnly << QStringLiteral(" C");
    QTest::newRow("loop point") << 12 << 0 << 3 << 7 << standard << QStringLiteral(" C007");
    QTest::newRow("loop point, short form") << 12 << 0 << 3 << 7 << shortForm << QStringLiteral(" 007");
    QTest::newRow("loop point, channel number 1") << 12 << 1 << 3 << 7 << standard << QStringLiteral(" C");
    Options letter;
    letter.separatorLetter = QLatin1Char('-');
    QTest::newRow("loop point, separator letter") << 12 << 0 << 3 << 7 << letter << QStringLiteral(" C-007");
    Options numeric;
    numeric.numericLoop = true;
    QTest::newRow("numeric loop") << 12 << 0 << 3 << 7 << numeric << QStringLiteral("/L03-007");
    numeric.separatorLetter = QLatin1Char('-');
    QTest::newRow("numeric loop, letter") << 12 << 0 << 3 << 7 << numeric << QStringLiteral(" L03-007");

    Options logical;
    logical.logical = true;
    logical.logicalPointNumber = 42;
    QTest::newRow("logical") << 12 << 0 << 3 << 7 << logical << QStringLiteral("-042    C");
    Options numbered = logical;
    numbered.loopFormat = QStringLiteral("1");
    QTest::newRow("logical, numbered loops") << 12 << 0 << 3 << 7 << numbered << QStringLiteral("-042   L03");
    QTest::newRow("logical, other channel number") << 12 << 2 << 3 << 7 << logical << QStringLiteral(" C007");
    Options logicalShort = logical;
    logicalShort.displayMode = 1;
    QTest::newRow("logical, short form") << 12 << 0 << 3 << 7 << logicalShort << QStringLiteral("/042");
    Options forced = logical;
    forced.forced = true;
    QTest::newRow("logical, forced") << 12 << 0 << 3 << 7 << forced << QStringLiteral(" C007");
    forced.separatorLetter = QLatin1Char('-');
    QTest::newRow("logical, forced, letter") << 12 << 0 << 3 << 7 << forced << QStringLiteral(" C-007");
    Options forcedShort = logicalShort;
    forcedShort.forced = true;
    QTest::newRow("logical, forced, short form") << 12 << 0 << 3 << 7 << forcedShort << QStringLiteral("C007");
}

void TestPointAddressBuilder::build()
{
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(int, address);
    QFETCH(int, point);
    QFETCH(Options, options);
    QFETCH(QString, text);

    if (!options.loopFormat.isNull())
        BucketMaster::instance()->setValue(41, QStringLiteral("loopDspFmt"), options.loopFormat);
    PointAddressBuilderLK6 builder;
    builder.setDisplayMode(options.displayMode);
    builder.setNumericLoopMode(options.numericLoop);
    builder.setSeparatorLetter(options.separatorLetter);
    const SimplePointInfo info{0, quint8(kind), quint8(number), quint8(address), quint8(point)};
    QCOMPARE(builder.build(info, options.logicalPointNumber, options.loopOnly, options.logical, options.forced), text);
    // A second build starts from an empty text.
    QCOMPARE(builder.build(info, options.logicalPointNumber, options.loopOnly, options.logical, options.forced), text);
}

void TestPointAddressBuilder::kind13WithoutAddress_warns()
{
    MessageCapture capture;
    PointAddressBuilderLK6 builder;
    QCOMPARE(builder.build(SimplePointInfo{0, 13, 0, 0, 5}, 251, false, false, false), QStringLiteral("    R005"));
    QVERIFY(capture.contains(QStringLiteral("PointAddressBuilderLK6::constructAction reached TC::cCHAN_NON_LOOPS")));
    QVERIFY(capture.contains(QStringLiteral("Channel 13 is not used for local I/O")));
}

void TestPointAddressBuilder::logicalNumber_lookedUpAbove250()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const ChannelAddress loop3(12, 3, 0);
    core->addChannel(2, loop3, 1);
    core->addPoint(2, loop3, PointAddressKey(7, 1, 5, 0, 1, 17));

    PointAddressBuilderLK6 builder;
    const SimplePointInfo info{2, 12, 0, 3, 7};
    QCOMPARE(builder.build(info, 251, false, true, false), QStringLiteral("-251    C"));
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    QCOMPARE(builder.build(info, 251, false, true, false), QStringLiteral("-017    C"));
    QCOMPARE(builder.build(SimplePointInfo{2, 12, 0, 3, 8}, 251, false, true, false), QStringLiteral("-251    C"));
    QCOMPARE(builder.build(info, 9, false, true, false), QStringLiteral("-009    C"));
    // A forced physical address shows the point, panel 2 with the short form's "/".
    builder.setDisplayMode(1);
    QCOMPARE(builder.build(info, 251, false, true, true), QStringLiteral("/C007"));
}

QTEST_GUILESS_MAIN(TestPointAddressBuilder)
#include "tst_pointaddressbuilder.moc"

#include "StdoutCapture.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/model.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

// The label texts of the translation files, short enough to read here.
class LabelTexts final : public QTranslator
{
public:
    QString translate(const char *, const char *key, const char *, int) const override
    {
        static const QHash<QString, QString> texts{
            {"_ZONE_4_CHAR", "Zone"},       {"_NO_ZONE_1_CHAR", "*"},      {"_PANEL_8_CHAR", "Panel"},
            {"_MASTER_PANEL_2_CHAR", "M:"}, {"_SLAVE_PANEL_2_CHAR", "S:"}, {"_UNKNOWN_PANEL_1_CHAR", "?"},
        };
        return texts.value(QLatin1String(key));
    }
    bool isEmpty() const override { return false; }
};

class FrontPanelBus final : public QObject
{
    Q_OBJECT
signals:
    void connectedInRbusMode();
    void connectedInE30Mode();
    void disconnectedRbusOrE30();
};

struct Address
{
    quint8 panel = 0;
    quint8 kind = 12;
    quint8 number = 0;
    quint8 channel = 3;
    quint8 point = 7;
    quint8 zone = 7;
};

struct Settings
{
    int displayMode = 0;
    int loopFormat = 0;
    QString loopLabels;
    bool logicalZones = false;
    int logicalZoneNumber = -1;
    bool pointOnly = false;
    bool zoneOnly = false;
    // Template 1 with panel 1 the network's master.
    bool network = false;
};

Address loopPoint(quint8 panel, quint8 zone)
{
    Address address;
    address.panel = panel;
    address.zone = zone;
    return address;
}

Address point(quint8 panel, quint8 kind, quint8 number, quint8 channel, quint8 pointNumber, quint8 zone)
{
    return Address{panel, kind, number, channel, pointNumber, zone};
}

Settings shortForms()
{
    Settings settings;
    settings.displayMode = 1;
    return settings;
}

QString print(Address a, const Settings &s = {}, bool noCache = false)
{
    return PrintableAddress::instance()->addressText(a.panel, a.kind, a.number, a.channel, a.point, a.zone, s.pointOnly,
                                                     0, 0, false, 251, s.zoneOnly, noCache, s.logicalZoneNumber, false);
}

void setNetwork(quint8 master)
{
    BucketMaster *store = BucketMaster::instance();
    store->setValue(41, QStringLiteral("tmplateID"), QStringLiteral("1"));
    store->setValue(41, QStringLiteral("mstrNodeID"), QString::number(master));
    store->setValue(0, QStringLiteral("currNetMstr"), QString::number(master));
    store->receiveSyncCommand({BucketCmd::PageUpdated, 41, QString(), QString()});
}

} // namespace

Q_DECLARE_METATYPE(Address)
Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(std::function<void(TeskGlobalConfig &)>)

// How a point prints: its zone part, its point part, and the cache of both.
class tst_PrintableAddress final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void addressText_data();
    void addressText();
    void cacheKeepsTheLastPrintedPoints();
    void anotherLogicalModeEmptiesTheCache();
    void zoneOnlyAndNoCacheLeaveTheCache();
    void cachedZonePartFollowsTheRole();
    void configurationChangesEmptyTheCache_data();
    void configurationChangesEmptyTheCache();
    void numericLoopsOnTheE30Bus();
    void numberAndNameLabels();

private:
    void apply(const Settings &settings);

    QTemporaryDir m_directory;
    LabelTexts m_labels;
    FrontPanelBus m_bus;
};

void tst_PrintableAddress::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    QCoreApplication::installTranslator(&m_labels);
    // The front panel's state exists before the printer, as at start-up.
    SystemState::instance()->watchFrontPanelBus(&m_bus);
    model::instance();
    PrintableAddress::instance();
}

void tst_PrintableAddress::init()
{
    BucketMaster::instance()->clearAll();
    setNetwork(1);
    BucketMaster::instance()->setValue(41, QStringLiteral("tmplateID"), QStringLiteral("0"));
    BucketMaster::instance()->receiveSyncCommand({BucketCmd::PageUpdated, 41, QString(), QString()});
    TeskGlobalConfig::instance()->setLogicalZones(false);
    TeskGlobalConfig::instance()->setLogicalAddr(false);
    TeskGlobalConfig::instance()->setCurrentLang(1);
    apply(Settings());
    PrintableAddress::instance()->clearZoneTextCache();
}

void tst_PrintableAddress::apply(const Settings &settings)
{
    if (settings.network)
        setNetwork(1);
    if (!settings.loopLabels.isEmpty())
        BucketMaster::instance()->setValue(41, QStringLiteral("loopDspFmt"), settings.loopLabels);
    TeskGlobalConfig::instance()->setLogicalZones(settings.logicalZones);
    PrintableAddress *printable = PrintableAddress::instance();
    printable->setAddressFormat(settings.displayMode);
    printable->setLoopFormat(settings.loopFormat);
}

void tst_PrintableAddress::addressText_data()
{
    QTest::addColumn<Address>("address");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("text");

    const Settings standard;
    Settings pointOnly;
    pointOnly.pointOnly = true;
    Settings zoneOnly;
    zoneOnly.zoneOnly = true;
    Settings separator;
    separator.loopFormat = 1;
    Settings numbered;
    numbered.loopLabels = QStringLiteral("1");
    Settings numberedSeparator = numbered;
    numberedSeparator.loopFormat = 2;
    Settings logical;
    logical.logicalZones = true;
    logical.logicalZoneNumber = 1005;
    Settings logicalLookedUp;
    logicalLookedUp.logicalZones = true;
    Settings logicalShort = logical;
    logicalShort.displayMode = 1;
    Settings network = shortForms();
    network.network = true;

    // Panel 0, a loop point.
    QTest::newRow("zone padded to 11, then the point") << loopPoint(0, 7) << standard << "Zone 007    C007";
    QTest::newRow("zone only") << loopPoint(0, 7) << zoneOnly << "Zone 007   ";
    QTest::newRow("point only") << loopPoint(0, 7) << pointOnly << " C007";
    QTest::newRow("short forms, no padding") << loopPoint(0, 7) << shortForms() << "Zone 007 007";
    QTest::newRow("separator letter") << loopPoint(0, 7) << separator << "Zone 007    C-007";
    QTest::newRow("numbered loops") << loopPoint(0, 7) << numbered << "Zone 007    L03007";
    QTest::newRow("numbered loops, separator") << loopPoint(0, 7) << numberedSeparator << "Zone 007    L03-007";
    QTest::newRow("loop only, loop 12") << point(0, 12, 1, 12, 5, 254) << numbered << " L12";
    QTest::newRow("logical zone given") << loopPoint(0, 7) << logical << "Zone 01005 C007";
    QTest::newRow("logical zone looked up") << loopPoint(0, 7) << logicalLookedUp << "Zone 00042 C007";
    QTest::newRow("logical zone, short form, not a loop point")
        << point(0, 2, 2, 0, 5, 7) << logicalShort << "01005/COM1X05";
    QTest::newRow("zone above 240 forces the point part") << loopPoint(0, 250) << standard << " C007";
    QTest::newRow("zone above 240, channel 3: the no-zone mark") << point(0, 12, 3, 3, 7, 250) << standard << "*";
    QTest::newRow("not printable") << point(0, 12, 254, 3, 5, 10) << standard << "-";
    QTest::newRow("whole channel 254: the zone is not looked up") << point(0, 12, 254, 3, 5, 255) << standard << "*";
    QTest::newRow("outputs channel, zone 12") << point(0, 7, 5, 0, 9, 12) << standard << "Zone 012   ";
    QTest::newRow("outputs channel, zone 245") << point(0, 7, 5, 0, 9, 245) << standard << "-";
    QTest::newRow("a whole loop") << point(0, 12, 0, 3, 255, 7) << standard << "Zone 007   ";
    QTest::newRow("bus channel 1 without a zone") << point(0, 15, 1, 1, 4, 254) << standard << " RBus 04";
    QTest::newRow("port, point 255 of a panel channel")
        << point(0, 2, 255, 0, 255, 9) << standard << "Zone 009    COM1    ";
    QTest::newRow("panel channel, another point") << point(0, 2, 255, 0, 4, 9) << standard << "-";
    QTest::newRow("a local port") << point(0, 2, 2, 0, 5, 9) << standard << "Zone 009    COM1X05";

    // Other panels.
    QTest::newRow("panel 2, standard: no role") << loopPoint(2, 5) << standard << "Zone 02.005 C007";
    QTest::newRow("panel 2, short form, role marker") << point(2, 2, 2, 0, 5, 5) << shortForms() << "S:02/005/COM1X05";
    QTest::newRow("panel 2, short form, loop point") << loopPoint(2, 5) << shortForms() << "Zone S:02/005 007";
    QTest::newRow("panel 2, logical zone") << loopPoint(2, 5) << logical << "Zone 01005 C007";
    QTest::newRow("panel 2, logical zone, short form") << loopPoint(2, 5) << logicalShort << "Zone S:02/01005 007";
    QTest::newRow("panel 4, whole channel 254: the panel") << point(4, 12, 254, 3, 5, 255) << standard << "Panel 04";
    QTest::newRow("panel 4, zone above 240: panel and point") << loopPoint(4, 250) << standard << "Panel 04    C007";
    QTest::newRow("panel 4, zone above 240, channel 3") << point(4, 12, 3, 3, 7, 250) << standard << "*";
    QTest::newRow("network master") << point(1, 2, 2, 0, 5, 5) << network << "M:01/005/COM1X05";
    QTest::newRow("network, another panel") << point(3, 2, 2, 0, 5, 5) << network << "S:03/005/COM1X05";
    QTest::newRow("network, loop only of zone 0") << point(0, 12, 1, 3, 5, 0) << network << "000/C";
}

void tst_PrintableAddress::addressText()
{
    QFETCH(Address, address);
    QFETCH(Settings, settings);
    QFETCH(QString, text);

    BucketMaster::instance()->setValue(9, QStringLiteral("0|7|42"), QStringLiteral("1"));
    apply(settings);
    QCOMPARE(print(address, settings), text);
    // The same again, from the cache.
    QCOMPARE(print(address, settings), text);
}

// At most 255 points are held; the one printed least recently goes first.
void tst_PrintableAddress::cacheKeepsTheLastPrintedPoints()
{
    for (int p = 1; p <= 255; ++p)
        print(point(0, 12, 0, 1, quint8(p), 7));
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 255);
    // Point 1 is used again, so point 2 is the least recently printed.
    QCOMPARE(print(point(0, 12, 0, 1, 1, 7)), QStringLiteral("Zone 007    A001"));
    print(point(0, 12, 0, 2, 1, 7));
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 255);

    // A cached point prints as cached whatever zone it is given now.
    QCOMPARE(print(point(0, 12, 0, 1, 1, 8)), QStringLiteral("Zone 007    A001"));
    QCOMPARE(print(point(0, 12, 0, 1, 3, 8)), QStringLiteral("Zone 007    A003"));
    QCOMPARE(print(point(0, 12, 0, 1, 2, 8)), QStringLiteral("Zone 008    A002"));
}

void tst_PrintableAddress::anotherLogicalModeEmptiesTheCache()
{
    PrintableAddress *printable = PrintableAddress::instance();
    print(loopPoint(0, 7));
    print(point(0, 12, 0, 3, 8, 7));
    QCOMPARE(printable->cachedPoints(), 2);
    printable->setAddressFormat(1);
    QCOMPARE(printable->cachedPoints(), 2);
    printable->setAddressFormat(0);
    TeskGlobalConfig::instance()->setLogicalZones(true);
    QCOMPARE(print(loopPoint(0, 7)), QStringLiteral("Zone 00000 C007"));
    QCOMPARE(printable->cachedPoints(), 1);
    printable->clearZoneTextCache();
    QCOMPARE(printable->cachedPoints(), 0);
}

void tst_PrintableAddress::zoneOnlyAndNoCacheLeaveTheCache()
{
    PrintableAddress *printable = PrintableAddress::instance();
    Settings zoneOnly;
    zoneOnly.zoneOnly = true;
    QCOMPARE(print(loopPoint(0, 7), zoneOnly), QStringLiteral("Zone 007   "));
    QCOMPARE(print(loopPoint(0, 7), {}, true), QStringLiteral("Zone 007    C007"));
    QCOMPARE(print(point(0, 12, 254, 3, 5, 10)), QStringLiteral("-"));
    QCOMPARE(printable->cachedPoints(), 0);
}

// Under template 1 a cached zone part of another panel is used only while
// that panel keeps its role in the network.
void tst_PrintableAddress::cachedZonePartFollowsTheRole()
{
    Settings network = shortForms();
    network.network = true;
    apply(network);
    const Address panel2 = point(2, 2, 2, 0, 5, 5);
    QCOMPARE(print(panel2, network), QStringLiteral("S:02/005/COM1X05"));
    setNetwork(2);
    PrintableAddress::instance()->setAddressFormat(1);
    QCOMPARE(print(panel2, network), QStringLiteral("M:02/005/COM1X05"));
}

void tst_PrintableAddress::configurationChangesEmptyTheCache_data()
{
    using Change = std::function<void(TeskGlobalConfig &)>;
    QTest::addColumn<Change>("change");

    QTest::newRow("language") << Change([](TeskGlobalConfig &c) { c.setCurrentLang(2); });
    QTest::newRow("logical addressing") << Change([](TeskGlobalConfig &c) { c.setLogicalAddr(true); });
    QTest::newRow("logical zones") << Change([](TeskGlobalConfig &c) { c.setLogicalZones(true); });
    QTest::newRow("languages configured") << Change([](TeskGlobalConfig &c) { c.setLanguages(0x81, 1, 850, 2, 850); });
    QTest::newRow("configuration made afresh") << Change([](TeskGlobalConfig &) {
        TeskGlobalConfig::destroyInstance();
        TeskGlobalConfig::instance();
    });
}

// Printed zones depend on the language and the logical modes, so the cache
// starts again whenever they may have changed.
void tst_PrintableAddress::configurationChangesEmptyTheCache()
{
    using Change = std::function<void(TeskGlobalConfig &)>;
    QFETCH(Change, change);
    print(loopPoint(0, 7));
    print(point(0, 12, 0, 3, 8, 7));
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 2);
    change(*TeskGlobalConfig::instance());
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 0);
}

void tst_PrintableAddress::numericLoopsOnTheE30Bus()
{
    QTRY_VERIFY(SystemState::existingInstance()->isDisconnected());
    StdoutCapture output;
    emit m_bus.connectedInE30Mode();
    QTRY_VERIFY(PrintableAddress::instance()->isNumericLoopMode());
    QVERIFY(output.text().contains(QStringLiteral("PrintableAddress: Force the Numeric Loop in E30 mode\n")));
    QCOMPARE(PrintableAddress::instance()->loopSeparator(), QLatin1Char('-'));
    PrintableAddress::instance()->setAddressFormat(1);
    QCOMPARE(print(point(2, 2, 2, 0, 5, 5)), QStringLiteral("?02/005/COM1X05"));
    QCOMPARE(print(loopPoint(0, 7), shortForms()), QStringLiteral("Zone 007 L03-007"));

    emit m_bus.disconnectedRbusOrE30();
    QTRY_VERIFY(!PrintableAddress::instance()->isNumericLoopMode());
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 0);
}

void tst_PrintableAddress::numberAndNameLabels()
{
    PanelRecord record;
    record.panelName1 = QStringLiteral("Main entrance");
    record.panelName2 = QStringLiteral("Haupteingang");
    PanelConfiguration::instance()->setPanelRecord(3, record);
    BucketMaster::instance()->setValue(6, QStringLiteral("3|12|2"), QStringLiteral("Treppe"));
    BucketMaster::instance()->setValue(9, QStringLiteral("3|12|512"), QStringLiteral("1"));
    TeskGlobalConfig::instance()->setCurrentLang(2);
    PrintableAddress *printable = PrintableAddress::instance();
    QCOMPARE(printable->panelNumberAndName(3), QStringLiteral("03 Haupteingang"));
    QCOMPARE(printable->zoneNumberAndName(3, 12), QStringLiteral("012 Treppe"));
    TeskGlobalConfig::instance()->setLogicalZones(true);
    QCOMPARE(printable->zoneNumberAndName(3, 12), QStringLiteral("00512 Treppe"));
}

QTEST_GUILESS_MAIN(tst_PrintableAddress)
#include "tst_printableaddress.moc"

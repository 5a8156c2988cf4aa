#include "BitPositions.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/IRserviceHandler.h"
#include "paneldata/KeyOrderedDeviceUses.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/SingleDevicePollingHandler.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

enum Page {
    Commissioning = 27,
    Snapshot = 29,
    IRMode = 30,
    ServiceTool = 37,
    DeviceUses = 38,
    PanelValues = 147,
    LoopStatus = 148
};
constexpr int Stored = 0;
constexpr int Refused = 1;

// Points 17 (zone 8) and 18 (zone 9) on loop 2 of panel 3.
void configureLoop2OfPanel3()
{
    PointCoreConfiguration *points = PointCoreConfiguration::instance();
    points->clearPanel(255);
    const ChannelAddress loop2(12, 2, 0);
    points->addChannel(3, loop2, 2);
    points->addPoint(3, loop2, PointAddressKey(17, 8, 1, 3, 1, 17));
    points->addPoint(3, loop2, PointAddressKey(18, 9, 1, 3, 1, 18));
}

const char *const FlagNames[] = {"fastLgc",         "rateOfRiseProc",     "fastFlt",
                                 "detPwrUp",        "CommLvlUserLggedIn", "noisyDev",
                                 "irSrvMod",        "rsmforced",          "noRespReprtngInhibitd",
                                 "QsctPrntgPsed",   "pollAddr255",        "devReplacement",
                                 "connectedService"};

} // namespace

// The commissioning, device-uses, IR mode, loop counter, service tool and
// loop status pages, and the registries they feed.
class tst_CommissioningPages final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commissioningFlagsAndLoops_data();
    void commissioningFlagsAndLoops();
    void commissioningReEnableTimeAndPolls_data();
    void commissioningReEnableTimeAndPolls();
    void commissioningOfPanel100IsIgnored();
    void commissioningSettlesRequestedLoopShutdowns();
    void polling();
    void pollsZone();
    void deviceUses();
    void deviceUseGroups_data();
    void deviceUseGroups();
    void irMode_data();
    void irMode();
    void irModeClear();
    void loopCounters();
    void serviceToolStatus();
    void loopStatusValues();
    void panelValues();

private:
    int receive(int page, int panel, int part, const QByteArray &body)
    {
        return m_bench->receivePart(page, panel, part, body);
    }

    QTemporaryDir m_directory;
    std::unique_ptr<SyncPageBench> m_bench;
};

void tst_CommissioningPages::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_CommissioningPages::init()
{
    m_bench = std::make_unique<SyncPageBench>();
    SingleDevicePollingHandler::instance()->clear();
    IRserviceHandler::instance()->clear();
}

void tst_CommissioningPages::cleanup()
{
    m_bench.reset();
}

void tst_CommissioningPages::commissioningFlagsAndLoops_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<quint16>("flags");
    QTest::addColumn<QString>("loops");

    QTest::newRow("legacy loop bits 0x0005") << hex("0005 0021 0000 00") << quint16(0x0021) << flagText({1, 3}, 256);
    QTest::newRow("all flags, legacy loop 16") << hex("8000 ffff 0000 00") << quint16(0xffff) << flagText({16}, 256);
    QTest::newRow("bitmap from 4, two bits") << hex("ffff 0000 0000 00 04 02 02") << quint16(0) << flagText({5}, 256);
    QTest::newRow("bitmap past loop 255")
        << hex("0000 0000 0000 00 fe 04 0f") << quint16(0) << flagText({254, 255}, 256);
}

void tst_CommissioningPages::commissioningFlagsAndLoops()
{
    QFETCH(QByteArray, body);
    QFETCH(quint16, flags);
    QFETCH(QString, loops);

    QCOMPARE(receive(Commissioning, 3, 0, body), Stored);
    QCOMPARE(m_bench->value(Commissioning, "3|loopShtDwn"), loops);
    const int bits[] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (size_t i = 0; i < std::size(bits); ++i) {
        const QString key = QStringLiteral("3|smplMds|%1").arg(QLatin1String(FlagNames[i]));
        QCOMPARE(m_bench->value(Commissioning, key), QLatin1String((flags & (1u << bits[i])) ? "true" : "false"));
    }
    QCOMPARE(m_bench->bucket(Commissioning).size(), 15);
}

void tst_CommissioningPages::commissioningReEnableTimeAndPolls_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reEnableTime");
    QTest::addColumn<QList<int>>("polls");

    // Panel 3 polled loop 9 point 1 before each row.
    QTest::newRow("time 7200, polls") << hex("0000 0000 1c20 02 01 0a 02 ff") << "7200" << QList<int>{1, 10, 2, 255};
    QTest::newRow("time 7201: the polls stay") << hex("0000 0000 1c21 01 01 0a") << "old" << QList<int>{9, 1};
    QTest::newRow("a bad poll stops the list")
        << hex("0000 0000 0000 03 01 0a 28 05 02 07") << "0" << QList<int>{1, 10};
    QTest::newRow("point 251 is no poll") << hex("0000 0000 0000 01 02 fb") << "0" << QList<int>();
    QTest::newRow("no polls") << hex("0000 0000 0005 00") << "5" << QList<int>();
}

void tst_CommissioningPages::commissioningReEnableTimeAndPolls()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, reEnableTime);
    QFETCH(QList<int>, polls);

    BucketMaster::instance()->setValue(Commissioning, QStringLiteral("3|optReEnbleTmr"), QStringLiteral("old"));
    SingleDevicePollingHandler *polling = SingleDevicePollingHandler::instance();
    polling->startPolling(3, 9, 1);
    QCOMPARE(receive(Commissioning, 3, 0, body), Stored);
    QCOMPARE(m_bench->value(Commissioning, "3|optReEnbleTmr"), reEnableTime);
    QList<int> held;
    const SingleDevicePollingHandler::LoopPoints points = polling->polledPoints(3);
    QList<TC::channelAddressNumerical_t> loops = points.keys();
    std::sort(loops.begin(), loops.end());
    for (TC::channelAddressNumerical_t loop : loops)
        held << loop << points.value(loop);
    QCOMPARE(held, polls);
}

void tst_CommissioningPages::commissioningOfPanel100IsIgnored()
{
    SingleDevicePollingHandler::instance()->startPolling(100, 1, 1);
    QCOMPARE(receive(Commissioning, 100, 0, hex("0005 0021 0000 00")), Stored);
    QVERIFY(m_bench->bucket(Commissioning).isEmpty());
    QVERIFY(SingleDevicePollingHandler::instance()->isPolling(100));
}

// A loop whose shutdown was asked for and that the panel reports shut down
// has its points disabled; a bad poll leaves the requests pending.
void tst_CommissioningPages::commissioningSettlesRequestedLoopShutdowns()
{
    configureLoop2OfPanel3();
    // A panel of a network: its loops' points are listed.
    TeskGlobalConfig::instance()->setPanelNumber(1);
    SyncClient *client = SyncClient::instance();
    QSignalSpy disabled(client, &SyncClient::disablementSent);
    client->recordLoopState(3, 2, 0);

    QCOMPARE(receive(Commissioning, 3, 0, hex("0002 0000 0000 01 28 05")), Stored);
    QCOMPARE(disabled.count(), 0);
    QCOMPARE(client->loopState(3, 2), 0);

    QCOMPARE(receive(Commissioning, 3, 0, hex("0002 0000 0000 00")), Stored);
    QCOMPARE(disabled.count(), 1);
    QCOMPARE(disabled.at(0).at(1).value<quint16>(), quint16(2));
    QCOMPARE(disabled.at(0).at(2).value<DisablementFunctionID>(), DISABLEMENT_DISABLE);
    QCOMPARE(client->loopState(3, 2), -1);
    PointCoreConfiguration::instance()->clearPanel(255);
}

void tst_CommissioningPages::polling()
{
    SingleDevicePollingHandler *polling = SingleDevicePollingHandler::instance();
    QSignalSpy started(polling, &SingleDevicePollingHandler::singleDevicePollingStarted);
    QSignalSpy stopped(polling, &SingleDevicePollingHandler::singleDevicePollingStopped);
    polling->startPolling(3, 2, 17);
    polling->startPolling(3, 2, 20);
    QCOMPARE(started.count(), 2);
    QCOMPARE(started.at(1),
             (QVariantList{QVariant::fromValue<TC::panel_t>(3), QVariant::fromValue<TC::channelAddressNumerical_t>(2),
                           QVariant::fromValue<TC::point_t>(20)}));
    QCOMPARE(polling->polledPoints(3).size(), 1);
    QCOMPARE(polling->polledPoints(3).value(2), TC::point_t(20));
    QVERIFY(polling->isPolling(3));
    QVERIFY(!polling->isPolling(4));
    polling->stopPolling(3);
    QVERIFY(!polling->isPolling(3));
    polling->clear();
    QCOMPARE(stopped.count(), 2);
    QCOMPARE(stopped.at(1).at(0).value<TC::panel_t>(), TC::cAllPanels);
}

void tst_CommissioningPages::pollsZone()
{
    configureLoop2OfPanel3();
    SingleDevicePollingHandler *polling = SingleDevicePollingHandler::instance();
    QVERIFY(!polling->pollsZone(3, 8));
    polling->startPolling(3, 2, 17);
    QVERIFY(polling->pollsZone(3, 8));
    QVERIFY(!polling->pollsZone(3, 9));
    QVERIFY(!polling->pollsZone(4, 8));
    PointCoreConfiguration::instance()->clearPanel(255);
}

void tst_CommissioningPages::deviceUses()
{
    BucketMaster::instance()->setValue(DeviceUses, QStringLiteral("3"), QStringLiteral("1|1|Gone"));
    QCOMPARE(receive(DeviceUses, 254, 0, hex("0002 000a 01 04") + pageText("A") + hex("02 00") + pageText("B")),
             Stored);
    QCOMPARE(m_bench->bucket(DeviceUses), (QStringList{"10=1|4|A", "11=2|0|B"}));
    KeyOrderedDeviceUses *uses = KeyOrderedDeviceUses::instance();
    QCOMPARE(uses->uses().keys(), (QList<quint16>{10, 11}));
    QCOMPARE(uses->uses().value(11), QStringLiteral("2|0|B"));

    // A later part adds; the ids run in number order, not in key order.
    QCOMPARE(receive(DeviceUses, 254, 1, hex("0001 0009 03 00") + pageText("C")), Stored);
    QCOMPARE(uses->uses().keys(), (QList<quint16>{9, 10, 11}));
    QCOMPARE(receive(DeviceUses, 254, 1, hex("0000 0000")), Stored);
    QCOMPARE(uses->uses().size(), 3);
    QCOMPARE(receive(DeviceUses, 254, 1, hex("0002 000c 01 01") + pageText("cut")), Refused);
    QCOMPARE(uses->uses().size(), 3);
}

void tst_CommissioningPages::deviceUseGroups_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("size");
    QTest::newRow("kind 2 with two of kind 3") << 5 << 3;
    QTest::newRow("kind 3") << 6 << 1;
    QTest::newRow("kind 1") << 8 << 1;
    QTest::newRow("missing") << 9 << 0;
    QTest::newRow("kind 4") << 12 << 0;
    QTest::newRow("kind 2 at the end") << 13 << 1;
}

void tst_CommissioningPages::deviceUseGroups()
{
    QFETCH(int, id);
    QFETCH(int, size);
    BucketMaster *store = BucketMaster::instance();
    const QList<QPair<const char *, const char *>> uses{{"5", "2|1|a"}, {"6", "3|1|b"},  {"7", "3|1|c"},
                                                        {"8", "1|1|d"}, {"12", "4|1|e"}, {"13", "2|1|f"}};
    for (const auto &use : uses)
        store->setValue(DeviceUses, QLatin1String(use.first), QLatin1String(use.second));
    KeyOrderedDeviceUses::instance()->updateOrderedDeviceUses();
    QCOMPARE(KeyOrderedDeviceUses::instance()->useGroupSize(quint16(id)), size);
}

void tst_CommissioningPages::irMode_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("loops");

    QTest::newRow("loop word 0x0005") << hex("00 0005 0102") << Stored << 0 << 0x102 << QList<int>{1, 3};
    QTest::newRow("loop word 0x8000") << hex("01 8000 0000") << Stored << 1 << 0 << QList<int>{16};
    QTest::newRow("bit field replaces the word")
        << hex("01 ffff 0007 14 03 05") << Stored << 1 << 7 << QList<int>{20, 22};
    QTest::newRow("bit field cut to loop 32") << hex("02 0000 0000 1f 04 0f") << Stored << 2 << 0 << QList<int>{31, 32};
    QTest::newRow("mode 3") << hex("03 0005 0102") << Refused << 2 << 0 << QList<int>();
}

void tst_CommissioningPages::irMode()
{
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(int, mode);
    QFETCH(int, value);
    QFETCH(QList<int>, loops);

    IRserviceHandler *ir = IRserviceHandler::instance();
    QSignalSpy changed(ir, &IRserviceHandler::irModeChanged);
    QCOMPARE(receive(IRMode, 4, 0, body), answer);
    QCOMPARE(changed.count(), answer == Stored ? 1 : 0);
    QCOMPARE(ir->irMode(4), mode);
    QCOMPARE(int(ir->irValue(4)), value);
    QCOMPARE(setBits(ir->irLoops(4)), loops);
    if (answer == Stored)
        QCOMPARE(ir->irLoops(4).size(), 33);
}

void tst_CommissioningPages::irModeClear()
{
    IRserviceHandler *ir = IRserviceHandler::instance();
    QCOMPARE(ir->irMode(8), 2);
    QCOMPARE(receive(IRMode, 8, 0, hex("00 0001 0009")), Stored);
    QCOMPARE(ir->irMode(8), 0);
    QSignalSpy changed(ir, &IRserviceHandler::irModeChanged);
    ir->clear();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<TC::panel_t>(), TC::cAllPanels);
    QCOMPARE(ir->irMode(8), 2);
    QVERIFY(ir->irLoops(8).isEmpty());
}

void tst_CommissioningPages::loopCounters()
{
    QSignalSpy completed(SyncClient::instance(), &SyncClient::loopScanCompleted);
    // Loop 4: counters and two point sets; loop 5: state 1; loop 6: state 2
    // is two bytes long; loop 7: state 0.
    const QByteArray body = hex("04  04 03 000005dc 07  00  05 00 03 05  00  02 fe 03 07"
                                "  05 01  06 02  07 00");
    QCOMPARE(receive(Snapshot, 2, 0, body), Stored);
    QCOMPARE(m_bench->value(Snapshot, "pld|2|4"), QStringLiteral("3|1500|7"));
    QCOMPARE(m_bench->value(Snapshot, "leftresponses|2|4"), QStringLiteral("5"));
    QCOMPARE(m_bench->value(Snapshot, "left|2|4"), flagText({0, 2}, 254));
    QCOMPARE(m_bench->value(Snapshot, "multipledevicesresponses|2|4"), QStringLiteral("2"));
    QCOMPARE(m_bench->value(Snapshot, "multipledevices|2|4"), flagText({}, 254));
    QCOMPARE(m_bench->bucket(Snapshot).size(), 5);
    QCOMPARE(completed.count(), 3);
    const QList<QPair<int, bool>> expected{{4, true}, {5, false}, {7, false}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(int(completed.at(i).at(0).value<TC::channelAddressNumerical_t>()), expected.at(i).first);
        QCOMPARE(completed.at(i).at(1).toBool(), expected.at(i).second);
    }

    // Cut inside a point set: nothing of the part.
    completed.clear();
    QCOMPARE(receive(Snapshot, 2, 0, hex("01 09 03 00000001 01 00 05 00")), Refused);
    QCOMPARE(completed.count(), 0);
    QVERIFY(m_bench->value(Snapshot, "pld|2|9").isEmpty());
}

void tst_CommissioningPages::serviceToolStatus()
{
    QSignalSpy received(SyncClient::instance(), &SyncClient::serviceToolStatusUpdateReceived);
    QCOMPARE(receive(ServiceTool, 3, 0, hex("01 04")), Stored);
    QCOMPARE(m_bench->bucket(ServiceTool), (QStringList{"srvLnkSts=1", "srvTlSts=4"}));
    QCOMPARE(received.count(), 1);
    QCOMPARE(receive(ServiceTool, 5, 0, hex("02")), Refused);
    QCOMPARE(received.count(), 1);
}

void tst_CommissioningPages::loopStatusValues()
{
    QCOMPARE(receive(LoopStatus, 3, 0, hex("09 02  01 02 03 00000010 ffff  04 05 06 fffffffe 0000")), Stored);
    QCOMPARE(m_bench->bucket(LoopStatus), (QStringList{"lsr|3|1=1|2|3|16", "lsr|3|2=4|5|6|4294967294"}));
    QCOMPARE(receive(LoopStatus, 3, 0, hex("05 01  07 08 09 00000001")), Stored);
    QCOMPARE(m_bench->value(LoopStatus, "lsr|3|1"), QStringLiteral("7|8|9|1"));
    QCOMPARE(receive(LoopStatus, 100, 0, hex("07 01  01 02 03 00000010")), Stored);
    QCOMPARE(m_bench->bucket(LoopStatus).size(), 2);
}

void tst_CommissioningPages::panelValues()
{
    QSignalSpy updated(BucketMaster::instance(), &BucketMaster::updateOfBucketValue);
    QCOMPARE(receive(PanelValues, 3, 0, hex("0102030405")), Stored);
    sc_syncPages::SignatureEntry entry;
    QVERIFY(SyncClient::instance()->syncPages().signature(PanelValues, 3, 0, entry));
    QCOMPARE(updated.count(), 0);
}

QTEST_GUILESS_MAIN(tst_CommissioningPages)
#include "tst_commissioningpages.moc"

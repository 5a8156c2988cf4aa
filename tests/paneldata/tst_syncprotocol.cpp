#include "EngineEffectsInstalled.h"
#include "FakeClock.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/model.h"

#include <QtTest>

#include <memory>

namespace {

sc_syncPages &signatures()
{
    return SyncClient::instance()->syncPages();
}

// The engine's virtual input for "sync complete": group 1, input 16 on the
// input-point channel 5 at bus address 15 of its own panel 0.
void configureSyncCompleteInput()
{
    const ChannelAddress channel(5, 15, 1);
    PointCoreConfiguration::instance()->addChannel(0, channel, 1);
    PointCoreConfiguration::instance()->addPoint(0, channel, PointAddressKey(16, 254, 90, 0x08, 0, 251));
}

} // namespace

// The signature requests, the signature transfer and the end of a
// synchronisation, from the controller's packets to the engine's answers.
class tst_SyncProtocol final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signatureRequest();
    void signatureTransfer_data();
    void signatureTransfer();
    void signatureTransferCutsCountsAt255();
    void syncComplete_data();
    void syncComplete();
    void syncCompletePulse_data();
    void syncCompletePulse();
    void syncCompleteWritesTheHeldPointNames();
    void statusUpdateDropsOnePagesKeys_data();
    void statusUpdateDropsOnePagesKeys();
    void statusUpdateDropsEveryPageOfAPanel();
    void clearPanelData_data();
    void clearPanelData();
    void connectionResetsTheSynchronisation_data();
    void connectionResetsTheSynchronisation();

private:
    EngineEffectsInstalled m_engineEffects;
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
    QTemporaryDir m_directory;
};

void tst_SyncProtocol::init()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
    PointCoreConfiguration::instance()->clearPanel(255);
}

void tst_SyncProtocol::cleanup()
{
    EventLog::HistoricEventsSynchronizer::destroyInstance();
    WalkTestHandler::instance()->reset();
    m_bench.reset();
    m_messages.reset();
}

void tst_SyncProtocol::signatureRequest()
{
    const QByteArray request = supportPacket(hex("07 2a 03 01 ffffffff"), false);
    m_bench->receive(request);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{supportReply(hex("08 2a 01 03 00 00000000"))});

    // Loaded from the file: known but not from this run.
    signatures().storeSignature(42, 3, 1, {true, false, 0x01020304});
    m_bench->receive(request);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{supportReply(hex("08 2a 01 03 00 01020304"))});

    m_bench->receive(syncPagePart(42, 3, 1, 0x0a0b0c0d, hex("00 0001"), false));
    m_bench->receive(request);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{supportReply(hex("08 2a 01 03 01 0a0b0c0d"))});

    SyncClient::instance()->clearSyncPageSignature(SC_SyncPageIDS::eTemporaryPatchData);
    m_bench->receive(request);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{supportReply(hex("08 2a 01 03 00 00000000"))});
}

void tst_SyncProtocol::signatureTransfer_data()
{
    QTest::addColumn<quint8>("filter");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("every panel") << quint8(255)
                                 << hex("11 03  00 01  05 01 00000050  "
                                        "03 02  01 01 00000031  2a 02 00000300 00000302  "
                                        "fe 01  05 01 000000fe");
    QTest::newRow("one panel") << quint8(3) << hex("11 01  03 02  01 01 00000031  2a 02 00000300 00000302");
    QTest::newRow("a panel without signatures") << quint8(5) << hex("11 00");
}

void tst_SyncProtocol::signatureTransfer()
{
    QFETCH(quint8, filter);
    QFETCH(QByteArray, reply);
    // Parts 0 and 2 of page 42 on panel 3: two signatures, part numbers not sent.
    signatures().storeSignature(42, 3, 2, {true, true, 0x302});
    signatures().storeSignature(42, 3, 0, {true, false, 0x300});
    signatures().storeSignature(1, 3, 0, {false, true, 0x31});
    signatures().storeSignature(5, 0, 0, {true, true, 0x50});
    signatures().storeSignature(5, 254, 0, {true, true, 0xfe});
    m_bench->receive(supportPacket(QByteArray(1, char(16)) + char(filter), false));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{supportReply(reply)});
}

void tst_SyncProtocol::signatureTransferCutsCountsAt255()
{
    for (int part = 0; part < 256; ++part)
        signatures().storeSignature(42, 1, quint8(part), {true, true, quint32(part)});
    m_bench->receive(supportPacket(hex("10 01"), false));
    const QByteArrayList sent = m_bench->takeSent();
    QCOMPARE(sent.size(), 1);
    QByteArray expected = hex("11 01 01 01 2a ff");
    for (int part = 0; part < 255; ++part)
        expected += hex("000000") + char(part);
    QCOMPARE(sent.first(), supportReply(expected));
    QVERIFY(m_messages->contains(QStringLiteral("256 parts; the first 255 sent")));
}

void tst_SyncProtocol::syncComplete_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("new key") << hex("18 03 0a0b0c") << true << hex("0a0b0c");
    QTest::newRow("two bytes, unasked") << hex("18 02 0a0b") << false << hex("0a0b");
    QTest::newRow("one byte keeps the key") << hex("18 01 0a") << true << hex("0102");
    QTest::newRow("no key keeps the key") << hex("18 00") << true << hex("0102");
}

void tst_SyncProtocol::syncComplete()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, acknowledge);
    QFETCH(QByteArray, key);
    SyncClient::instance()->setConnectionKey(2, hex("0102"));
    m_bench->receive(supportPacket(payload, acknowledge));
    QCOMPARE(m_bench->takeSent(), acknowledge ? QByteArrayList{acknowledgement(0)} : QByteArrayList());
    QCOMPARE(SyncClient::instance()->connectionKey(), key);

    // The next connection carries it back.
    m_bench->receive(supportPacket(hex("12 00 06 00 01 00 02"), false));
    const QByteArrayList sent = m_bench->takeSent();
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent.first().endsWith(char(key.size()) + key));

    // A key longer than the packet is dropped, unanswered.
    m_bench->receive(supportPacket(hex("18 05 0a0b"), true));
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
    QCOMPARE(SyncClient::instance()->connectionKey(), key);
}

// The last panel's point names are written when every page has come, not
// with each part.
void tst_SyncProtocol::syncCompleteWritesTheHeldPointNames()
{
    FakeClock clock;
    PointTextCache::destroyInstance();
    m_bench->receive(syncPagePart(7, 4, 0, 0x11, hex("01 0001 c0 01 01 01 04 4b657074")));
    m_bench->receive(syncPagePart(7, 4, 1, 0x12, hex("01 0001 c0 02 01 01 04 4d6f7265")));
    m_bench->takeSent();
    QFile file(PanelPointStringsFile(4).fileName());
    QVERIFY(!file.exists());
    m_bench->receive(supportPacket(hex("18 00"), false));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).endsWith(";1;Kept;;"));
    QVERIFY(lines.at(1).endsWith(";1;More;;"));
    PointTextCache::destroyInstance();
}

void tst_SyncProtocol::syncCompletePulse_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("pulse");
    // To node 0 (the engine's own panel), acknowledgement asked: group 1,
    // input 16 active then inactive.
    QTest::newRow("layout 0") << 0 << hex("00000012 00 00 25 0000 01 0000 b2 00 01 90 01 10");
    QTest::newRow("layout 1") << 1 << hex("00000014 e4 00 00 25 0000 01 0000 b2 00 00 01 90 01 10");
}

void tst_SyncProtocol::syncCompletePulse()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, pulse);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 500);
    m_bench->receive(supportPacket(hex("18 00"), false));
    QCOMPARE(m_bench->takeSent(), QByteArrayList());

    configureSyncCompleteInput();
    m_bench->receive(supportPacket(hex("18 00"), true));
    QCOMPARE(m_bench->takeSent(), (QByteArrayList{acknowledgement(0), pulse}));
    TeskGlobalConfig::instance()->setPacketHeaderLayout(500);
}

namespace {

const QByteArray EventLogReSync = hex("00000014 00 00 92 0000 01 0000 94 00 ffff 0000 02 0e");

void setKeys(int bucket, const QStringList &keys)
{
    for (const QString &key : keys)
        BucketMaster::instance()->setValue(bucket, key, QStringLiteral("1"));
}

QStringList keysOf(const SyncPageBench &bench, int bucket)
{
    QStringList keys;
    for (const QString &entry : bench.bucket(bucket))
        keys << entry.section('=', 0, 0);
    return keys;
}

// A walk test running on the node: status 2 with its zone selector.
void startWalkTest(quint8 node)
{
    WalkTestHandler::instance()->updateSummary(node, 255, 2, 1, {}, QBitArray(), 0);
}

} // namespace

void tst_SyncProtocol::statusUpdateDropsOnePagesKeys_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("warning");
    const QStringList all{"0|x", "1|x", "10|x", "2|x", "95|x", "99|x", "lsr|0|2"};
    QTest::newRow("panels 0 and 2") << hex("09 06 fd 00 03 00 0a 0500")
                                    << QStringList{"1|x", "10|x", "95|x", "99|x", "lsr|0|2"} << QString();
    QTest::newRow("bitmap from panel 95")
        << hex("09 06 fd 00 03 5f 10 ffff") << QStringList{"0|x", "1|x", "10|x", "2|x", "lsr|0|2"} << QString();
    QTest::newRow("status 2") << hex("09 06 fd 00 02 00 0a 0500") << all << QString();
    QTest::newRow("no panel bitmap") << hex("09 06 03 00 03 00 0a 0500") << all << "nothing dropped";
    QTest::newRow("first bit 100") << hex("09 06 fd 00 03 64 08 ff") << all << "nothing dropped";
    QTest::newRow("bitmap past the table") << hex("09 06 fd 00 03 fa 10 ffff") << all << "nothing dropped";
    QTest::newRow("no bits") << hex("09 06 fd 00 03 00 00") << all << "nothing dropped";
    QTest::newRow("101 bits") << hex("09 06 fd 00 03 00 65 ffffffffffffffffffffffffff") << all << "nothing dropped";
}

void tst_SyncProtocol::statusUpdateDropsOnePagesKeys()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, left);
    QFETCH(QString, warning);
    QStringList all{"0|x", "1|x", "10|x", "2|x", "95|x", "99|x", "lsr|0|2"};
    all.sort();
    left.sort();
    setKeys(6, all);
    setKeys(5, all);
    m_bench->receive(supportPacket(payload));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    QCOMPARE(keysOf(*m_bench, 6), left);
    QCOMPARE(keysOf(*m_bench, 5), all);
    if (!warning.isEmpty())
        QVERIFY(m_messages->contains(warning));

    // The bitmap promises more than the packet brings: dropped unanswered.
    m_bench->receive(supportPacket(hex("09 06 fd 00 03 00 10 01")));
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
    QCOMPARE(keysOf(*m_bench, 6), left);
}

void tst_SyncProtocol::statusUpdateDropsEveryPageOfAPanel()
{
    const QList<int> buckets{5,  6,  9,  13, 14, 15, 16,  17,  18,  20,  21,  23,  24,  25,  26,  27,  28,  30,
                             31, 32, 33, 34, 35, 41, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 148};
    QCOMPARE(buckets.size(), 36);
    for (int bucket : buckets)
        setKeys(bucket, {"0|x", "1|x", "2|x"});
    setKeys(148, {"lsr|0|1"});
    setKeys(140, {"0|x"});
    setKeys(42, {"0|x"});
    PanelCounters::instance()->setFaults(4, 0);
    for (quint8 node : {0, 1, 2})
        startWalkTest(node);
    signatures().storeSignature(5, 0, 0, {true, true, 0x55});

    m_bench->receive(supportPacket(hex("09 ff fd 00 03 00 0a 0500")));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    for (int bucket : buckets)
        QCOMPARE(keysOf(*m_bench, bucket).filter(QRegularExpression("^\\d+\\|")), QStringList{"1|x"});
    QCOMPARE(keysOf(*m_bench, 148), (QStringList{"1|x", "lsr|0|1"}));
    QCOMPARE(keysOf(*m_bench, 140), QStringList{"0|x"});
    QCOMPARE(keysOf(*m_bench, 42), QStringList{"0|x"});
    QCOMPARE(PanelCounters::instance()->faults(0), 4);
    sc_syncPages::SignatureEntry entry;
    QVERIFY(signatures().signature(5, 0, 0, entry));
    QCOMPARE(entry.signature, 0x55u);
    // Only the dropped panels' walk tests are forgotten.
    WalkTestHandler *walkTest = WalkTestHandler::instance();
    QCOMPARE(walkTest->getNodesInWalkTest(), quint8(1));
    QCOMPARE(walkTest->summary(1).getStatus(), 2);
    QCOMPARE(walkTest->summary(0).getStatus(), int(WalkTestSummary::NoWalkTest));
    QCOMPARE(walkTest->summary(2).getStatus(), int(WalkTestSummary::NoWalkTest));
}

void tst_SyncProtocol::clearPanelData_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<bool>("panelData");
    QTest::addColumn<bool>("eventLog");
    QTest::newRow("event log") << quint8(1) << false << true;
    QTest::newRow("panel data") << quint8(2) << true << false;
    QTest::newRow("panel data, kind 4") << quint8(4) << true << false;
    QTest::newRow("everything") << quint8(255) << true << true;
    QTest::newRow("kind 3 does nothing") << quint8(3) << false << false;
    QTest::newRow("kind 0 does nothing") << quint8(0) << false << false;
}

void tst_SyncProtocol::clearPanelData()
{
    QFETCH(quint8, kind);
    QFETCH(bool, panelData);
    QFETCH(bool, eventLog);
    setKeys(5, {"3|fireAlrms"});
    setKeys(0, {"daymode"});
    PanelCounters::instance()->setFaults(4, 3);
    startWalkTest(3);
    signatures().storeSignature(5, 3, 0, {true, true, 0x55});

    m_bench->receive(supportPacket(QByteArray(1, char(15)) + char(kind)));
    QByteArrayList expected;
    if (eventLog)
        expected << EventLogReSync;
    expected << acknowledgement(0);
    QCOMPARE(m_bench->takeSent(), expected);
    QCOMPARE(m_bench->bucket(5).isEmpty(), panelData);
    QCOMPARE(m_bench->bucket(0).isEmpty(), panelData);
    QCOMPARE(PanelCounters::instance()->faults(3), panelData ? 0 : 4);
    QCOMPARE(WalkTestHandler::instance()->isWalkTestActive(), !panelData);
    QCOMPARE(signatures().entries().size(), 1);
    if (eventLog)
        QVERIFY(EventLog::HistoricEventsSynchronizer::instance());
}

void tst_SyncProtocol::connectionResetsTheSynchronisation_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("debugFlag");
    QTest::addColumn<bool>("compatible");
    QTest::addColumn<bool>("busy");
    QTest::newRow("no option byte") << hex("12 00 06 00 01 00 02") << "x" << false << true;
    QTest::newRow("option 0x05") << hex("12 00 06 00 01 00 02 05") << "1" << false << true;
    QTest::newRow("compatible") << hex("12 00 06 00 01 00 02 02") << "0" << true << false;
}

void tst_SyncProtocol::connectionResetsTheSynchronisation()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, debugFlag);
    QFETCH(bool, compatible);
    QFETCH(bool, busy);
    BucketMaster::instance()->setValue(0, QStringLiteral("debugPanelFwFlag"), QStringLiteral("x"));
    startWalkTest(4);
    flasher &leds = SystemState::instance()->ledFlasher();
    leds.setOutputPointState(flasher::BusOutput, 250, 3);
    QSignalSpy compatibility(SyncClient::instance(), &SyncClient::compatibilityUpdated);

    m_bench->receive(supportPacket(payload, false));
    QCOMPARE(m_bench->takeSent().size(), 1);
    QCOMPARE(m_bench->value(0, QStringLiteral("debugPanelFwFlag")), debugFlag);
    QCOMPARE(model::instance()->controllerType(), quint8(6));
    QCOMPARE(TeskGlobalConfig::instance()->getNetworkNodeNumber(), 1);
    QCOMPARE(TeskGlobalConfig::instance()->getConnectionNodeNumber(), 2);
    QVERIFY(!WalkTestHandler::instance()->isWalkTestActive());
    QCOMPARE(leds.outputPointState(flasher::BusOutput, 250), 0);
    QCOMPARE(compatibility.count(), debugFlag == "x" ? 0 : 1);
    statusIconsController *icons = statusIconsController::instance();
    QCOMPARE(icons->isOn(statusIconsController::BusyIcon), busy);
    QCOMPARE(icons->isOn(statusIconsController::IncompatibleIcon), compatible);

    m_bench->receive(supportPacket(hex("18 00"), false));
    QVERIFY(!icons->isOn(statusIconsController::BusyIcon));
}

QTEST_GUILESS_MAIN(tst_SyncProtocol)
#include "tst_syncprotocol.moc"

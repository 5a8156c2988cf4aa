#include "MessageCapture.h"
#include "SyncPageBench.h"
#include "SyncPageBytes.h"

#include "app/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/sc_syncPages.h"

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

private:
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_SyncProtocol::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
    PointCoreConfiguration::instance()->clearPanel(255);
}

void tst_SyncProtocol::cleanup()
{
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
    QTest::newRow("every panel")
        << quint8(255)
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

QTEST_GUILESS_MAIN(tst_SyncProtocol)
#include "tst_syncprotocol.moc"

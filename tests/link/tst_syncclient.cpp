#include "FakeClock.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/BucketMaster.h"
#include "core/SC_WarningSummary.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_DispatchTable.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"

#include <QtTest>

#include <memory>

namespace {

SyncPacket lkSpeak(const QByteArray &body)
{
    return SyncPacket{SyncClient::LkSpeakChannel, body};
}

// Source node 3, destination 0, first address 0, first service 50, second
// address 7, second service 1; the sequence byte tells requests apart.
QByteArray supportRequest(const QByteArray &payload, int layout = 0, quint8 sequence = 9)
{
    QByteArray header =
        layout == 1 ? hex("00000000 e4 00 03 f5 0000 32 0007 01 09 00") : hex("00000000 00 03 f5 0000 32 0007 01 09");
    header[layout == 1 ? 14 : 13] = char(sequence);
    return withLength(header + payload);
}

QByteArray supervisionRequest(quint8 sequence = 9)
{
    return supportRequest(hex("19 01 02 03 00"), 0, sequence);
}

QByteArray supervisionAnswer(quint8 sequence = 9)
{
    QByteArray answer = hex("00000013 03 00 f5 0007 01 0000 32 09 19 06 01 00 01");
    answer[13] = char(sequence);
    return answer;
}

// What the dispatcher reported; other components may warn about their own
// surroundings (no session bus, no configuration file).
QStringList dispatchWarnings(const MessageCapture &messages)
{
    return messages.warnings().filter(QRegularExpression(QStringLiteral("^SyncClient::RxLkSpeak")));
}

QStringList signalNames(const QList<QByteArray> &order)
{
    QStringList names;
    for (const QByteArray &name : order)
        names << QString::fromLatin1(name);
    return names;
}

} // namespace

class tst_SyncClient final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void otherChannelsAreDropped();
    void undispatchablePacketsAreDroppedWithAWarning_data();
    void undispatchablePacketsAreDroppedWithAWarning();
    void everyTableRowIsBoundedByItsMinimumPayload();
    void truncatedPacketIsAbandoned();

    void supervisionAnsweredAfterFourQuietSeconds();
    void supervisionBurstGetsOneAnswer_data();
    void supervisionBurstGetsOneAnswer();
    void supervisionAnswerStartsNothing();

    void initiateConnection_data();
    void initiateConnection();

    void linkStateChanges();
    void linkDownClearsStatusCounts();
    void initPersistenceWritesTheLinkStatus();
    void linkAddresses();
    void connectionKey();

private:
    std::unique_ptr<MessageCapture> m_messages;
    // Packets that change the configuration save it here.
    QTemporaryDir m_directory;
};

void tst_SyncClient::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_SyncClient::init()
{
    m_messages = std::make_unique<MessageCapture>();
    SyncClient::instance()->feedStateStore(BucketMaster::instance());
}

void tst_SyncClient::cleanup()
{
    m_messages.reset();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
}

void tst_SyncClient::otherChannelsAreDropped()
{
    FakeClock clock;
    Supervisor supervisor;
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->ReceivedPacket(SyncPacket{2, supervisionRequest()});
    clock.advance(10000);
    QCOMPARE(sent.count(), 0);
    QVERIFY(dispatchWarnings(*m_messages).isEmpty());
}

void tst_SyncClient::undispatchablePacketsAreDroppedWithAWarning_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("warning");
    QTest::newRow("unknown function code") << lkPacket(200, hex("01 02")) << "Unhandled function code";
    QTest::newRow("support sub-code 0") << supportRequest(hex("00 01 02 03 00")) << "Unhandled function code";
    QTest::newRow("support sub-code 26") << supportRequest(hex("1a 01 02 03 00")) << "Unhandled function code";
    QTest::newRow("support without sub-code") << supportRequest(QByteArray()) << "without its sub-code";
    QTest::newRow("shorter than a header") << hex("00000009 00 03 f5 00") << "shorter than its header";
    QTest::newRow("layout 1 shorter than its header")
        << hex("0000000f e4 00 03 f5 0000 32 0007 01 09") << "shorter than its header";
    QTest::newRow("empty") << QByteArray() << "shorter than its header";
    QTest::newRow("supervision one byte short") << supportRequest(hex("19 01 02 03")) << "Short supervision";
    QTest::newRow("length field cuts the payload")
        << withLength(supportRequest(hex("19 01 02 03 00")), 17) << "Short supervision";
}

void tst_SyncClient::undispatchablePacketsAreDroppedWithAWarning()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, warning);
    FakeClock clock;
    Supervisor supervisor;
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->ReceivedPacket(lkSpeak(body));
    clock.advance(10000);
    QCOMPARE(sent.count(), 0);
    QVERIFY2(m_messages->contains(warning), qPrintable(m_messages->warnings().join('\n')));
}

// Every row: a packet of exactly its minimum payload gets to its handler;
// one byte less is dropped before the handler sees it.
void tst_SyncClient::everyTableRowIsBoundedByItsMinimumPayload()
{
    // A client on the fake clock, so that each row's warning comes in a
    // second of its own and is not summarised with the others.
    FakeClock clock;
    SyncClient::destroyInstance();
    SyncClient::instance()->feedStateStore(BucketMaster::instance());
    const QVector<SC_DispatchEntry> &entries = SC_DispatchTable::entries();
    QVERIFY(!entries.isEmpty());
    for (const SC_DispatchEntry &entry : entries) {
        clock.advance(SC_WarningSummary::PeriodMs);
        QByteArray payload(entry.minimumPayload, '\0');
        if (entry.subCode != SC_DispatchEntry::WholeFunctionCode)
            payload[0] = char(entry.subCode);
        QCOMPARE(SC_DispatchTable::find(entry.functionCode, entry.subCode), &entry);

        m_messages->clear();
        SyncClient::instance()->RxLkSpeak(lkSpeak(lkPacket(entry.functionCode, payload)));
        QVERIFY2(dispatchWarnings(*m_messages).isEmpty(), entry.name);

        SyncClient::instance()->RxLkSpeak(lkSpeak(lkPacket(entry.functionCode, payload.chopped(1))));
        QVERIFY2(dispatchWarnings(*m_messages).size() == 1, entry.name);
    }
}

void tst_SyncClient::truncatedPacketIsAbandoned()
{
    QSignalSpy ready(SyncClient::instance(), &SyncClient::panelReadyForAuthentication);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    // The length field promises the option byte; the frame ends before it.
    QByteArray body = supportRequest(hex("12 00 06 00 01 00 02 05"));
    body.chop(1);
    SyncClient::instance()->RxLkSpeak(lkSpeak(body));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(sent.count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("Truncated initiate connection packet dropped")));

    SyncClient::instance()->RxLkSpeak(lkSpeak(body.chopped(1)));
    QCOMPARE(ready.count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("Short initiate connection packet")));
}

void tst_SyncClient::supervisionAnsweredAfterFourQuietSeconds()
{
    FakeClock clock;
    Supervisor supervisor;
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->ReceivedPacket(lkSpeak(supervisionRequest()));
    clock.advance(3999);
    QCOMPARE(sent.count(), 0);
    clock.advance(1);
    QCOMPARE(lkSpeakSent(sent), QByteArrayList{supervisionAnswer()});
    clock.advance(60000);
    supervisor.ResponseTimeout();
    QCOMPARE(sent.count(), 1);
}

void tst_SyncClient::supervisionBurstGetsOneAnswer_data()
{
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("spacing");
    QTest::newRow("two, one second apart") << 2 << 1000;
    QTest::newRow("every three seconds") << 6 << 3000;
    QTest::newRow("back to back") << 20 << 0;
}

void tst_SyncClient::supervisionBurstGetsOneAnswer()
{
    QFETCH(int, requests);
    QFETCH(int, spacing);
    FakeClock clock;
    Supervisor supervisor;
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    for (int i = 0; i < requests; ++i) {
        if (i > 0)
            clock.advance(spacing);
        SyncClient::instance()->ReceivedPacket(lkSpeak(supervisionRequest(quint8(i))));
    }
    QCOMPARE(sent.count(), 0);
    clock.advance(3999);
    QCOMPARE(sent.count(), 0);
    clock.advance(1);
    // The answer is to the last request of the burst.
    QCOMPARE(lkSpeakSent(sent), QByteArrayList{supervisionAnswer(quint8(requests - 1))});
}

void tst_SyncClient::supervisionAnswerStartsNothing()
{
    FakeClock clock;
    Supervisor supervisor;
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->ReceivedPacket(lkSpeak(supportRequest(hex("19 06 01 00 01"))));
    clock.advance(10000);
    QCOMPARE(sent.count(), 0);
}

void tst_SyncClient::initiateConnection_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<QString>("debugFlag");
    QTest::newRow("without option byte") << supportRequest(hex("12 00 06 00 01 00 02")) << QByteArray()
                                         << hex("00000016 03 00 f5 0007 01 0000 32 09 13 060100010007 00") << QString();
    QTest::newRow("option bit 0 set") << supportRequest(hex("12 00 06 00 01 00 02 05")) << QByteArray()
                                      << hex("00000016 03 00 f5 0007 01 0000 32 09 13 060100010007 00") << "1";
    QTest::newRow("option bit 0 clear, with key")
        << supportRequest(hex("12 00 06 00 01 00 02 04")) << hex("0a0b")
        << hex("00000018 03 00 f5 0007 01 0000 32 09 13 060100010007 02 0a0b") << "0";
    QTest::newRow("option 255 is no option")
        << supportRequest(hex("12 00 06 00 01 00 02 ff")) << QByteArray()
        << hex("00000016 03 00 f5 0007 01 0000 32 09 13 060100010007 00") << QString();
    QTest::newRow("layout 1") << supportRequest(hex("12 00 06 00 01 00 02"), 1) << QByteArray()
                              << hex("00000018 e4 03 00 f5 0007 01 0000 32 09 00 13 060100010007 00") << QString();
}

void tst_SyncClient::initiateConnection()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, response);
    QFETCH(QString, debugFlag);

    SyncClient *client = SyncClient::instance();
    client->setConnectionKey(quint8(key.size()), key);
    QSignalSpy sent(client, &SyncClient::SendPacket);
    QSignalSpy ready(client, &SyncClient::panelReadyForAuthentication);
    BucketMaster::instance()->setValue(0, QStringLiteral("debugPanelFwFlag"), QStringLiteral("x"));

    TeskGlobalConfig::instance()->setNetworkNodeNumber(0);
    TeskGlobalConfig::instance()->setConnectionNodeNumber(0);

    client->ReceivedPacket(lkSpeak(request));
    QCOMPARE(lkSpeakSent(sent), QByteArrayList{response});
    QCOMPARE(ready.count(), 1);
    QCOMPARE(TeskGlobalConfig::instance()->getNetworkNodeNumber(), 1);
    QCOMPARE(TeskGlobalConfig::instance()->getConnectionNodeNumber(), 2);
    QCOMPARE(BucketMaster::instance()->getValue(0, QStringLiteral("debugPanelFwFlag")),
             debugFlag.isNull() ? QStringLiteral("x") : debugFlag);
}

void tst_SyncClient::linkStateChanges()
{
    SyncClient *client = SyncClient::instance();
    QList<QByteArray> order;
    connect(client, &SyncClient::disconnected, this, [&] { order << "disconnected"; });
    connect(client, &SyncClient::reconnected, this, [&] { order << "reconnected"; });
    connect(client, &SyncClient::reconnectedInStartup, this, [&] { order << "reconnectedInStartup"; });
    connect(client, &SyncClient::updateEnetConnectedToPanel, this,
            [&](bool up) { order << (up ? "connected(true)" : "connected(false)"); });
    const auto linkStatus = [&](bool up, quint8 status) {
        order.clear();
        client->LinkStatus(up, status);
        return signalNames(order);
    };

    client->setConfigurationPending(false);
    QCOMPARE(linkStatus(true, 2), (QStringList{"reconnected", "connected(true)"}));
    QCOMPARE(BucketMaster::instance()->getValue(0, QStringLiteral("mstrstat")), QStringLiteral("2"));
    QVERIFY(!client->isConfigurationPending());
    QCOMPARE(linkStatus(true, 2), QStringList());
    QCOMPARE(linkStatus(false, 2), (QStringList{"disconnected", "connected(false)"}));
    QVERIFY(client->isConfigurationPending());
    client->setConfigurationPending(false);
    QCOMPARE(linkStatus(false, 2), QStringList());
    QVERIFY(client->isConfigurationPending());
    QCOMPARE(linkStatus(true, 1), (QStringList{"disconnected", "reconnectedInStartup", "connected(true)"}));
    QCOMPARE(BucketMaster::instance()->getValue(0, QStringLiteral("mstrstat")), QStringLiteral("1"));
    QCOMPARE(linkStatus(true, 3), (QStringList{"reconnected", "connected(true)"}));
    QVERIFY(client->isLinkUp());
    QCOMPARE(client->linkStatus(), quint8(3));
}

void tst_SyncClient::linkDownClearsStatusCounts()
{
    BucketMaster *store = BucketMaster::instance();
    const QString key = QStringLiteral("7|fireAlrms");
    for (const auto &change : {qMakePair(false, 2), qMakePair(true, 1)}) {
        SyncClient::instance()->LinkStatus(true, 3);
        store->setValue(5, key, QStringLiteral("4"));
        SyncClient::instance()->LinkStatus(change.first, quint8(change.second));
        QCOMPARE(store->getValue(5, key), QString());
    }
    SyncClient::instance()->LinkStatus(true, 3);
    store->setValue(5, key, QStringLiteral("4"));
    SyncClient::instance()->LinkStatus(true, 0);
    QCOMPARE(store->getValue(5, key), QStringLiteral("4"));
}

void tst_SyncClient::initPersistenceWritesTheLinkStatus()
{
    SyncClient::instance()->initPersistence();
    QCOMPARE(BucketMaster::instance()->getValue(0, QStringLiteral("mstrstat")), QStringLiteral("0"));
}

void tst_SyncClient::linkAddresses()
{
    SyncClient *client = SyncClient::instance();
    QCOMPARE(client->localAddress(), QStringLiteral("-"));
    QCOMPARE(client->peerAddress(), QStringLiteral("-"));
    QCOMPARE(client->localMac(), QString());
    QCOMPARE(client->peerMac(), QString());
    client->setLinkAddresses(QStringLiteral("10.0.0.2"), QStringLiteral("10.0.0.1"),
                             QStringLiteral("AA:BB:CC:00:11:22"));
    QCOMPARE(client->localAddress(), QStringLiteral("10.0.0.2"));
    QCOMPARE(client->peerAddress(), QStringLiteral("10.0.0.1"));
    QCOMPARE(client->localMac(), QStringLiteral("AA:BB:CC:00:11:22"));
    QCOMPARE(client->peerMac(), QString());
}

void tst_SyncClient::connectionKey()
{
    SyncClient *client = SyncClient::instance();
    QCOMPARE(client->connectionKey(), QByteArray());
    client->setConnectionKey(2, hex("010203"));
    QCOMPARE(client->connectionKey(), hex("0102"));
}

QTEST_GUILESS_MAIN(tst_SyncClient)
#include "tst_syncclient.moc"

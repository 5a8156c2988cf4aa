#include "../pointmodels/ScriptedSite.h"
#include "FakeClock.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"
#include "paneldata/CachedModifiedPoints.h"

#include <QtTest>

#include <memory>

namespace {

constexpr quint8 Loop = 2;
constexpr int Timeout = sc_LkPointManagerServices::UploadReplyTimeoutMs;

sc_LkPointManagerServices *services()
{
    return SyncClient::instance()->getPointManagerServices();
}

void change(quint8 panel, quint8 point)
{
    PointSettingsRecord record;
    record.panel = panel;
    record.loop = Loop;
    record.point = point;
    record.zone = 4;
    record.deviceUse = 300;
    record.numberOfAddresses = 1;
    CachedModifiedPoints::cacheModification(CachedModifiedPoints::MultiAddressChange, record);
}

// A device whose type says nothing of its addresses: deleting it leaves an
// entry without settings.
void emptyDeletion(quint8 panel, quint8 point)
{
    ScriptedSite::addPoint(panel, ScriptedSite::loop(Loop), ScriptedSite::record(point, 6, 78, 0x12));
    CachedModifiedPoints::cacheDeletion(panel, Loop, point);
}

// The controller's status reply: status s, result r, id.
void reply(quint8 status, quint8 result, quint16 id = 0)
{
    QByteArray payload = hex("15 00 00 00 0000");
    payload[2] = char(status);
    payload[3] = char(result);
    payload[4] = char(id >> 8);
    payload[5] = char(id);
    SyncClient::instance()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, lkPacket(183, payload)});
}

quint16 u16(const QByteArray &bytes, int at)
{
    return quint16(quint8(bytes.at(at)) << 8 | quint8(bytes.at(at + 1)));
}

// What a sent packet is, in words: "record <panel> #<number> p<point>",
// "commit <panel> n<records> id<id>", "abort <panel> id<id>",
// "restart <panel>".
QString describe(const QByteArray &bytes)
{
    const int panel = quint8(bytes.at(4));
    const QByteArray payload = bytes.mid(14);
    if (quint8(bytes.at(6)) == 182)
        return QStringLiteral("restart %1").arg(panel);
    if (quint8(bytes.at(6)) != 183 || payload.size() < 4 || payload.at(0) != 21)
        return QStringLiteral("other %1").arg(QString::fromLatin1(bytes.toHex()));
    switch (payload.at(1)) {
    case 0:
        return QStringLiteral("record %1 #%2 p%3").arg(panel).arg(u16(payload, 2)).arg(quint8(payload.at(6)));
    case 2:
        return QStringLiteral("abort %1 id%2").arg(panel).arg(u16(payload, 2));
    case 3:
        return QStringLiteral("commit %1 n%2 id%3").arg(panel).arg(u16(payload, 2)).arg(u16(payload, 4));
    default:
        return QStringLiteral("other %1").arg(QString::fromLatin1(bytes.toHex()));
    }
}

} // namespace

class tst_ManualPointUpdate final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyCacheSendsNothing();
    void threeRecordsCommitAndRestart();
    void panelsOneAfterAnother();
    void updateIdFromTheController();
    void commitWaitsForItsResult();
    void rejected_data();
    void rejected();
    void noReplyEndsTheUpload_data();
    void noReplyEndsTheUpload();
    void everyReplyRestartsTheWait();
    void recordsWithoutSettingsAreSkipped();
    void deletionOfNoAddressesIsNothingToUpload();
    void pendingPanelOutsideTheNetworkIsSkipped();
    void firstPanelGoesWhateverItsNumber();
    void strayReplyIgnored();
    void changesDuringTheUploadAreNotSent();

private:
    QStringList sent() const { return m_sent; }

    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<MessageCapture> m_messages;
    std::unique_ptr<QSignalSpy> m_complete;
    QStringList m_sent;
};

void tst_ManualPointUpdate::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_messages = std::make_unique<MessageCapture>();
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    m_sent.clear();
    const auto record = [this](quint8, const QByteArray &bytes) { m_sent << describe(bytes); };
    connect(SyncClient::instance(), &SyncClient::SendPacket, this, record);
    connect(services(), &sc_LkPointManagerServices::SendPacket, this, record);
    m_complete = std::make_unique<QSignalSpy>(services(), &sc_LkPointManagerServices::pointsSettingComplete);
}

void tst_ManualPointUpdate::cleanup()
{
    m_complete.reset();
    CachedModifiedPoints::destroyInstance();
    SyncClient::destroyInstance();
    m_messages.reset();
    m_clock.reset();
}

void tst_ManualPointUpdate::emptyCacheSendsNothing()
{
    QVERIFY(!services()->startSendingModifiedPoints());
    QVERIFY(sent().isEmpty());
    QCOMPARE(m_complete->count(), 0);
}

void tst_ManualPointUpdate::threeRecordsCommitAndRestart()
{
    for (quint8 point : {10, 11, 12})
        change(3, point);

    QVERIFY(services()->startSendingModifiedPoints());
    QCOMPARE(sent(), QStringList{"record 3 #0 p10"});
    reply(0, 0);
    reply(0, 0);
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::LastRecordSent));
    reply(0, 0);
    QCOMPARE(sent(), (QStringList{"record 3 #0 p10", "record 3 #1 p11", "record 3 #2 p12", "commit 3 n3 id0"}));
    reply(0, 3);
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::CommitAccepted));
    QCOMPARE(m_complete->count(), 0);
    reply(0, 4);

    QCOMPARE(sent().last(), QStringLiteral("restart 3"));
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), true);
    QVERIFY(!CachedModifiedPoints::hasPoints());
    QVERIFY(!services()->isUploading());
}

void tst_ManualPointUpdate::panelsOneAfterAnother()
{
    change(3, 10);
    change(5, 20);
    change(5, 21);

    QVERIFY(services()->startSendingModifiedPoints());
    reply(0, 0);
    reply(0, 3);
    reply(0, 5);
    reply(0, 0);
    reply(0, 0);
    reply(0, 3);
    QCOMPARE(m_complete->count(), 0);
    reply(0, 0);

    QCOMPARE(sent(), (QStringList{"record 3 #0 p10", "commit 3 n1 id0", "record 5 #0 p20", "record 5 #1 p21",
                                  "commit 5 n2 id0"}));
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), true);
}

void tst_ManualPointUpdate::updateIdFromTheController()
{
    change(3, 10);
    services()->startSendingModifiedPoints();
    // Status 1 with bit 7: accepted, and the id is the update's.
    reply(129, 0, 7);
    QCOMPARE(services()->updateId(), quint16(7));
    QCOMPARE(sent().last(), QStringLiteral("commit 3 n1 id7"));
    // Without bit 7 the id is not taken.
    reply(1, 3, 9);
    QCOMPARE(services()->updateId(), quint16(7));
}

void tst_ManualPointUpdate::commitWaitsForItsResult()
{
    change(3, 10);
    services()->startSendingModifiedPoints();
    reply(0, 0);
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::CommitSent));
    reply(0, 0);
    reply(0, 5);
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::CommitSent));
    QCOMPARE(sent().size(), 2);
    reply(0, 3);
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::CommitAccepted));
    reply(0, 0);
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(sent().size(), 2);
}

void tst_ManualPointUpdate::rejected_data()
{
    QTest::addColumn<int>("acceptedBefore");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("sentAfter");
    // Two records: the first reply (with update id 7) sends the second,
    // the next the commit.
    QTest::newRow("sending records, result 2") << 0 << 0 << 2 << QStringList{};
    QTest::newRow("last record sent: aborted") << 1 << 0 << 2 << QStringList{"abort 3 id7"};
    QTest::newRow("last record sent, status 2: aborted") << 1 << 2 << 0 << QStringList{"abort 3 id7"};
    QTest::newRow("commit sent") << 2 << 0 << 1 << QStringList{};
    QTest::newRow("commit taken") << 3 << 3 << 4 << QStringList{};
}

void tst_ManualPointUpdate::rejected()
{
    QFETCH(int, acceptedBefore);
    QFETCH(int, status);
    QFETCH(int, result);
    change(3, 10);
    change(3, 11);
    services()->startSendingModifiedPoints();
    const quint8 results[] = {0, 0, 3};
    for (int i = 0; i < acceptedBefore; ++i)
        reply(i == 0 ? 129 : 0, results[i], 7);
    const int before = sent().size();

    reply(quint8(status), quint8(result));

    QTEST(QStringList(sent().mid(before)), "sentAfter");
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), false);
    QVERIFY(CachedModifiedPoints::hasPoints());
    // Once failed, the controller's replies change nothing.
    const QStringList afterFailure = sent();
    reply(0, 0);
    reply(0, 4);
    QCOMPARE(sent(), afterFailure);
    QCOMPARE(m_complete->count(), 1);
}

void tst_ManualPointUpdate::noReplyEndsTheUpload_data()
{
    QTest::addColumn<int>("acceptedBefore");
    QTest::addColumn<QStringList>("sentAfter");
    QTest::newRow("after a record") << 0 << QStringList{};
    QTest::newRow("after the last record: aborted") << 1 << QStringList{"abort 3 id7"};
    QTest::newRow("after the commit") << 2 << QStringList{};
    QTest::newRow("after the commit was taken") << 3 << QStringList{};
}

// A controller that stops answering cannot hold the upload: the time-out
// ends it as failed, to the millisecond.
void tst_ManualPointUpdate::noReplyEndsTheUpload()
{
    QFETCH(int, acceptedBefore);
    change(3, 10);
    change(3, 11);
    services()->startSendingModifiedPoints();
    const quint8 results[] = {0, 0, 3};
    for (int i = 0; i < acceptedBefore; ++i)
        reply(i == 0 ? 129 : 0, results[i], 7);
    const int before = sent().size();

    m_clock->advance(Timeout - 1);
    QCOMPARE(m_complete->count(), 0);
    QVERIFY(services()->isUploading());
    m_clock->advance(1);

    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), false);
    QTEST(QStringList(sent().mid(before)), "sentAfter");
    QVERIFY(!services()->isUploading());
    QVERIFY(CachedModifiedPoints::hasPoints());
    QVERIFY(m_messages->contains(QStringLiteral("did not answer")));
    reply(0, 0);
    m_clock->advance(10 * Timeout);
    QCOMPARE(m_complete->count(), 1);
}

void tst_ManualPointUpdate::everyReplyRestartsTheWait()
{
    for (quint8 point : {10, 11, 12})
        change(3, point);
    services()->startSendingModifiedPoints();
    for (int i = 0; i < 3; ++i) {
        m_clock->advance(Timeout - 1);
        reply(0, 0);
    }
    m_clock->advance(Timeout - 1);
    reply(0, 3);
    m_clock->advance(Timeout - 1);
    QCOMPARE(m_complete->count(), 0);
    reply(0, 0);
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), true);
    m_clock->advance(10 * Timeout);
    QCOMPARE(m_complete->count(), 1);
}

// Nothing would answer a record that is not sent: it is passed over at
// once, its number used up; with nothing after it the commit follows.
void tst_ManualPointUpdate::recordsWithoutSettingsAreSkipped()
{
    emptyDeletion(3, 40);
    change(3, 10);
    emptyDeletion(3, 50);
    QCOMPARE(CachedModifiedPoints::uploadListSnapshot().first().settings.size(), 0);

    services()->startSendingModifiedPoints();
    QCOMPARE(sent(), QStringList{"record 3 #1 p10"});
    reply(0, 0);

    QCOMPARE(sent(), (QStringList{"record 3 #1 p10", "commit 3 n3 id0"}));
    QCOMPARE(services()->uploadState(), int(sc_LkPointManagerServices::CommitSent));
}

// A deletion that covers no address changes no point: nothing to upload.
void tst_ManualPointUpdate::deletionOfNoAddressesIsNothingToUpload()
{
    emptyDeletion(3, 40);
    QVERIFY(!services()->startSendingModifiedPoints());

    change(5, 10);
    QVERIFY(services()->startSendingModifiedPoints());
    QCOMPARE(sent(), QStringList{"record 5 #0 p10"});
}

void tst_ManualPointUpdate::pendingPanelOutsideTheNetworkIsSkipped()
{
    change(3, 10);
    change(120, 10);
    services()->startSendingModifiedPoints();
    reply(0, 0);
    reply(0, 3);
    reply(0, 0);

    QCOMPARE(sent(), (QStringList{"record 3 #0 p10", "commit 3 n1 id0"}));
    QCOMPARE(m_complete->count(), 1);
    QCOMPARE(m_complete->first().at(0).toBool(), true);
    QVERIFY(m_messages->contains(QStringLiteral("panel 120 skipped")));
}

void tst_ManualPointUpdate::firstPanelGoesWhateverItsNumber()
{
    change(120, 10);
    services()->startSendingModifiedPoints();
    QCOMPARE(sent(), QStringList{"record 120 #0 p10"});
}

void tst_ManualPointUpdate::strayReplyIgnored()
{
    change(3, 10);
    reply(0, 0);
    reply(0, 4);
    QVERIFY(sent().isEmpty());
    QCOMPARE(m_complete->count(), 0);
}

void tst_ManualPointUpdate::changesDuringTheUploadAreNotSent()
{
    change(3, 10);
    services()->startSendingModifiedPoints();
    change(3, 11);
    reply(0, 0);
    reply(0, 3);
    reply(0, 0);
    QCOMPARE(sent(), (QStringList{"record 3 #0 p10", "commit 3 n1 id0"}));
    QVERIFY(!CachedModifiedPoints::hasPoints());

    // The next upload takes what the cache holds then.
    change(3, 12);
    m_sent.clear();
    services()->startSendingModifiedPoints();
    QCOMPARE(sent(), QStringList{"record 3 #0 p12"});
}

QTEST_GUILESS_MAIN(tst_ManualPointUpdate)
#include "tst_manualpointupdate.moc"

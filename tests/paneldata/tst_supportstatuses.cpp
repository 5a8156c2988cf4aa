#include "EngineEffectsInstalled.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"
#include "core/BucketMaster.h"
#include "link/InvestigateDelayTimer.h"
#include "link/SyncClient.h"
#include "pointmodels/LkNetworkStats.h"
#include "screens/status/SystemStandbyTimer.h"

#include <QtTest>

#include <memory>

namespace {

const QStringList StatusKeys{"daymode",    "pwrsav",       "protnoff",   "sgnlngoff",   "sndrsoff",
                             "sndrsslncd", "extngshractv", "keySfDrOpn", "keySfDrAlrm", "sndrsact"};

} // namespace

// The logged-on user and the high-priority statuses with their countdowns.
class tst_SupportStatuses final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loggedOnUser_data();
    void loggedOnUser();
    void statusKeys_data();
    void statusKeys();
    void countdowns_data();
    void countdowns();
    void refusedPackets_data();
    void refusedPackets();
    void bucketZeroAnnouncedOnceAfterItsKeys();
    void statusFlagsDriveFireFaultAndWalkTest();
    void statusIconTwoFollowsNetworkRefresh();

private:
    EngineEffectsInstalled m_engineEffects;
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_SupportStatuses::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
}

void tst_SupportStatuses::cleanup()
{
    SystemStandbyTimer::instance()->StopStandbyCountDown();
    InvestigateDelayTimer::instance()->stopCountdown();
    m_bench.reset();
    m_messages.reset();
}

void tst_SupportStatuses::loggedOnUser_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QList<int>>("permissions");
    QTest::addColumn<QString>("warning");
    QTest::newRow("nobody, level 3") << hex("04 ff 03 00") << QList<int>{255, 3} << QString();
    QTest::newRow("user 7 with a name") << hex("04 07 0e 03 414243") << QList<int>{7, 14} << QString();
    QTest::newRow("user 99") << hex("04 63 02 00") << QList<int>{99, 2} << QString();
    QTest::newRow("user 0") << hex("04 00 03 00") << QList<int>() << "invalid user ID: 0";
    QTest::newRow("user 100") << hex("04 64 03 00") << QList<int>() << "invalid user ID: 100";
    QTest::newRow("user 254") << hex("04 fe 03 00") << QList<int>() << "invalid user ID: 254";
    QTest::newRow("level 15") << hex("04 07 0f 00") << QList<int>() << "invalid user access level: 15";
    QTest::newRow("name cut short") << hex("04 07 03 05 4142") << QList<int>() << "Truncated logged-on user";
}

void tst_SupportStatuses::loggedOnUser()
{
    QFETCH(QByteArray, payload);
    QFETCH(QList<int>, permissions);
    QFETCH(QString, warning);
    QSignalSpy updates(SyncClient::instance(), &SyncClient::permissionsUpdate);
    m_bench->receive(supportPacket(payload));
    // Nothing is acknowledged, asked or not.
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
    if (permissions.isEmpty()) {
        QCOMPARE(updates.count(), 0);
        QVERIFY2(m_messages->contains(warning), qPrintable(m_messages->warnings().join('\n')));
    } else {
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.first().at(0).value<quint8>(), quint8(permissions.at(0)));
        QCOMPARE(updates.first().at(1).value<quint8>(), quint8(permissions.at(1)));
    }
}

void tst_SupportStatuses::statusKeys_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QString>("master");
    QTest::newRow("day mode, power save, extinguisher")
        << hex("05 2020 01 00") << QStringList{"daymode", "pwrsav", "extngshractv"} << "old";
    QTest::newRow("every word bit") << hex("05 f8e0 00 00")
                                    << QStringList{"daymode",  "pwrsav",     "protnoff",   "sgnlngoff",
                                                   "sndrsoff", "sndrsslncd", "keySfDrOpn", "keySfDrAlrm"}
                                    << "old";
    QTest::newRow("sounders active") << hex("05 0000 08 00") << QStringList{"sndrsact"} << "old";
    QTest::newRow("network master") << hex("05 0000 80 00 03") << QStringList() << "3";
    QTest::newRow("network master after the counts") << hex("05 0000 80 02 01 003c 09 ffff 07") << QStringList() << "7";
}

void tst_SupportStatuses::statusKeys()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, set);
    QFETCH(QString, master);
    BucketMaster::instance()->setValue(0, QStringLiteral("currNetMstr"), QStringLiteral("old"));
    m_bench->receive(supportPacket(payload));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    for (const QString &key : StatusKeys)
        QCOMPARE(m_bench->value(0, key), set.contains(key) ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(m_bench->value(0, QStringLiteral("currNetMstr")), master);
}

void tst_SupportStatuses::countdowns_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<int>("standbySeconds");
    QTest::addColumn<int>("standbyKind");
    QTest::addColumn<int>("delaySeconds");
    QTest::addColumn<int>("delayContext");
    QTest::newRow("second kind of standby wins") << hex("02 05 001e 01 003c") << 30 << 1 << 0 << 0;
    QTest::newRow("first kind of standby") << hex("02 05 0000 01 003c") << 60 << 0 << 0 << 0;
    QTest::newRow("delay of context 2") << hex("02 02 000a 03 0014") << 0 << 0 << 10 << 2;
    QTest::newRow("delay of context 1") << hex("01 03 0014") << 0 << 0 << 20 << 1;
    QTest::newRow("the later entry wins") << hex("02 02 000a 02 0014") << 0 << 0 << 20 << 2;
    QTest::newRow("indexes above 5 are dropped") << hex("02 06 0063 ff 0063") << 0 << 0 << 0 << 0;
}

void tst_SupportStatuses::countdowns()
{
    QFETCH(QByteArray, entries);
    QFETCH(int, standbySeconds);
    QFETCH(int, standbyKind);
    QFETCH(int, delaySeconds);
    QFETCH(int, delayContext);
    SystemStandbyTimer::instance()->startCountdown(99, 3);
    InvestigateDelayTimer::instance()->startDelay(99, 1);
    m_bench->receive(supportPacket(hex("05 0000 00") + entries));

    const SystemStandbyTimer *standby = SystemStandbyTimer::instance();
    QCOMPARE(standby->isRunning(), standbySeconds != 0);
    if (standbySeconds != 0) {
        QCOMPARE(int(standby->remainingSeconds()), standbySeconds);
        QCOMPARE(standby->kind(), standbyKind);
    }
    const InvestigateDelayTimer *delay = InvestigateDelayTimer::instance();
    QCOMPARE(delay->isCounting(), delaySeconds != 0);
    QCOMPARE(delay->remainingMinutes() * 60 + delay->remainingSeconds(), delaySeconds);
    QCOMPARE(delay->currentContext(), delayContext);
}

void tst_SupportStatuses::refusedPackets_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("entries cut short") << hex("05 ffff 00 02 01 003c 05");
    QTest::newRow("network master missing") << hex("05 ffff 80 00");
}

void tst_SupportStatuses::refusedPackets()
{
    QFETCH(QByteArray, payload);
    BucketMaster::instance()->setValue(0, QStringLiteral("daymode"), QStringLiteral("old"));
    m_bench->receive(supportPacket(payload));
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
    QCOMPARE(m_bench->value(0, QStringLiteral("daymode")), QStringLiteral("old"));
    QVERIFY(m_messages->contains(QStringLiteral("Truncated high-priority statuses packet dropped")));
}

void tst_SupportStatuses::bucketZeroAnnouncedOnceAfterItsKeys()
{
    QStringList seen;
    BucketMaster::instance()->connectBucketUpdated(0, this, [&] {
        seen << m_bench->value(0, QStringLiteral("daymode")) + m_bench->value(0, QStringLiteral("sndrsact"));
    });
    m_bench->receive(supportPacket(hex("05 0020 08 00"), false));
    QCOMPARE(seen, QStringList{"11"});
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
}

void tst_SupportStatuses::statusFlagsDriveFireFaultAndWalkTest()
{
    SystemState *state = SystemState::instance();
    QSignalSpy walkTest(SyncClient::instance(), &SyncClient::walkTestUpdatedReceived);
    m_bench->receive(supportPacket(hex("05 0010 00 00")));
    m_bench->receive(supportPacket(hex("05 0010 00 00")));
    QCOMPARE(walkTest.count(), 1);
    QCOMPARE(state->bannerStatus(), TC::BANNER_FAULT);

    m_bench->receive(supportPacket(hex("05 0305 02 00")));
    QVERIFY(state->isFireActive());
    QVERIFY(state->isFaultActive());
    QCOMPARE(state->bannerStatus(), TC::BANNER_FIRE);
    QCOMPARE(walkTest.count(), 2);
    statusIconsController *icons = statusIconsController::instance();
    QVERIFY(icons->isOn(statusIconsController::CommissioningIcon));
    QVERIFY(icons->isOn(statusIconsController::ServiceIcon));
    QVERIFY(!icons->isFooterOn(statusIconsController::ExtinguishReleaseIcon));

    m_bench->receive(supportPacket(hex("05 0000 00 00")));
    QVERIFY(!state->isFireActive());
    QVERIFY(!state->isFaultActive());
    QCOMPARE(state->bannerStatus(), TC::BANNER_NORMAL);
    QVERIFY(!icons->isOn(statusIconsController::ServiceIcon));
}

// While the hourly network statistics run, status icon 2 says so.
void tst_SupportStatuses::statusIconTwoFollowsNetworkRefresh()
{
    statusIconsController *icons = statusIconsController::instance();
    LkNetworkStats *stats = LkNetworkStats::instance();
    m_bench->receive(supportPacket(hex("05 0000 00 00")));
    QVERIFY(!icons->isOn(statusIconsController::CommissioningIcon));

    stats->toggleRefresh();
    m_bench->receive(supportPacket(hex("05 0000 00 00")));
    QVERIFY(icons->isOn(statusIconsController::CommissioningIcon));

    stats->toggleRefresh();
    m_bench->receive(supportPacket(hex("05 0000 00 00")));
    QVERIFY(!icons->isOn(statusIconsController::CommissioningIcon));
    LkNetworkStats::destroyInstance();
}

// The standby countdown a status packet starts shows its popup: widgets need
// the application object.
QTEST_MAIN(tst_SupportStatuses)
#include "tst_supportstatuses.moc"

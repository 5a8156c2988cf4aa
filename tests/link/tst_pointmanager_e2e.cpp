#include "InProcessLink.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"
#include "paneldata/CachedModifiedPoints.h"

#include <QtTest>

#include <memory>

using namespace LkSpeak::PointManagerServices;

namespace {

// The 30 s an upload waits for an answer take 3 s.
constexpr int TimeScale = 10;
constexpr quint8 Panel = 1;
constexpr quint8 Loop = 1;

sc_LkPointManagerServices *services()
{
    return SyncClient::instance()->getPointManagerServices();
}

void change(quint8 point, int addresses)
{
    PointSettingsRecord record;
    record.panel = Panel;
    record.loop = Loop;
    record.point = point;
    record.zone = 3;
    record.deviceUse = 500;
    record.numberOfAddresses = addresses;
    record.text = QStringLiteral("Plant room");
    CachedModifiedPoints::cacheModification(CachedModifiedPoints::MultiAddressChange, record);
}

QList<int> setBits(const QBitArray &bits)
{
    QList<int> set;
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            set << i;
    }
    return set;
}

} // namespace

// The point-manager client against the controller emulator's point-manager
// service, over the link in this process.
class tst_PointManagerEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void uploadCommittedAndPanelRestarted();
    void refusedUploadKeepsTheChanges();
    void silentControllerEndsTheUpload();
    void deviceRequestsAnswered();
    void serialisationAnswered();

private:
    bool uploadEnds(bool expected);
    void answer(const QString &how);

    std::unique_ptr<InProcessLink> m_link;
};

void tst_PointManagerEndToEnd::initTestCase()
{
    m_link = std::make_unique<InProcessLink>(TimeScale);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    TeskGlobalConfig::instance()->setNetworkNodeNumber(1);
    TeskGlobalConfig::instance()->setConnectionNodeNumber(4);
    QVERIFY(m_link->start());
}

void tst_PointManagerEndToEnd::cleanupTestCase()
{
    m_link.reset();
    CachedModifiedPoints::destroyInstance();
    SyncClient::destroyInstance();
}

void tst_PointManagerEndToEnd::cleanup()
{
    CachedModifiedPoints::instance()->clearCachedList();
    answer(QStringLiteral("answer on"));
}

// The emulator takes its commands and the engine's packets on different
// channels: a test goes on once it has taken the command.
void tst_PointManagerEndToEnd::answer(const QString &how)
{
    const int from = m_link->lineCount();
    m_link->command(QStringLiteral("pointmanager ") + how);
    QVERIFY(m_link->said(QStringLiteral("pointmanager answering ") + how, from));
}

bool tst_PointManagerEndToEnd::uploadEnds(bool expected)
{
    QSignalSpy complete(services(), &sc_LkPointManagerServices::pointsSettingComplete);
    if (!services()->startSendingModifiedPoints() || !complete.wait(InProcessLink::WaitMs))
        return false;
    return complete.count() == 1 && complete.first().at(0).toBool() == expected;
}

void tst_PointManagerEndToEnd::uploadCommittedAndPanelRestarted()
{
    change(5, 2);
    change(9, 1);
    const int from = m_link->lineCount();

    QVERIFY(uploadEnds(true));

    QVERIFY(m_link->said(QStringLiteral("pointmanager committed panel=1 records=2 sent=2"), from));
    QVERIFY(m_link->said(QStringLiteral("rx restart-panel"), from));
    QVERIFY(!CachedModifiedPoints::hasPoints());
}

void tst_PointManagerEndToEnd::refusedUploadKeepsTheChanges()
{
    change(5, 1);
    change(9, 1);
    answer(QStringLiteral("refuse"));

    QVERIFY(uploadEnds(false));
    QVERIFY(CachedModifiedPoints::hasPoints());
}

void tst_PointManagerEndToEnd::silentControllerEndsTheUpload()
{
    change(5, 1);
    answer(QStringLiteral("answer off"));
    const int from = m_link->lineCount();

    QVERIFY(uploadEnds(false));
    QVERIFY(m_link->said(QStringLiteral("pointmanager manual-update panel=1 0000"), from));
    QVERIFY(CachedModifiedPoints::hasPoints());
}

void tst_PointManagerEndToEnd::deviceRequestsAnswered()
{
    QSignalSpy present(services(), &sc_LkPointManagerServices::realDevicePresentProcessDeviceId);
    QSignalSpy moved(services(), &sc_LkPointManagerServices::changeAddressRequestComplete);
    QSignalSpy polled(services(), &sc_LkPointManagerServices::singlePollReplyReceived);
    int logs = 0;
    connect(services(), &sc_LkPointManagerServices::pointLogReplyReceived, this,
            [&logs](TC::panel_t node, quint8 record, quint8, quint8 flag, TC::sPointLogRecordDetails_t &details) {
                if (node == Panel && record == 4 && flag == 1 && details.panel == Panel)
                    ++logs;
            });

    services()->sendRealDevicePresentRequest(Panel, Loop, 7);
    services()->sendRealDevicePresentRequest(Panel, Loop, 250);
    services()->sendChangeAddress(Panel, Loop, 7, 200);
    services()->sendSinglePollCommand(0, Panel, 2, 3, true);
    services()->sendPointLogRecordRequest(Panel, 4);

    QTRY_COMPARE_WITH_TIMEOUT(present.count(), 2, InProcessLink::WaitMs);
    QCOMPARE(present.at(0).at(0).toBool(), true);
    QCOMPARE(present.at(0).at(2).value<TC::point_t>(), TC::point_t(7));
    QCOMPARE(present.at(1).at(0).toBool(), false);
    QTRY_COMPARE_WITH_TIMEOUT(moved.count(), 1, InProcessLink::WaitMs);
    QCOMPARE(moved.first().at(0).toBool(), true);
    QTRY_COMPARE_WITH_TIMEOUT(polled.count(), 1, InProcessLink::WaitMs);
    QCOMPARE(polled.first().at(1).value<SinglePollReplyCommandStatus>(), eSinglePollSuccess);
    QCOMPARE(polled.first().at(3).value<TC::channelAddress_t>(), TC::channelAddress_t(2));
    QTRY_COMPARE_WITH_TIMEOUT(logs, 1, InProcessLink::WaitMs);

    // The device moved: nothing answers at its old address any more.
    services()->sendRealDevicePresentRequest(Panel, Loop, 7);
    QTRY_COMPARE_WITH_TIMEOUT(present.count(), 3, InProcessLink::WaitMs);
    QCOMPARE(present.at(2).at(0).toBool(), false);
}

void tst_PointManagerEndToEnd::serialisationAnswered()
{
    QSignalSpy status(services(), &sc_LkPointManagerServices::SerialisationStatusResponse);
    QSignalSpy summary(services(), &sc_LkPointManagerServices::SerialisationSummaryResponse);
    QSignalSpy loopSet(services(), &sc_LkPointManagerServices::digitalEnrolmentLoopSetReply);
    QBitArray loops(5);
    loops.setBit(1);
    loops.setBit(3);

    services()->sendSerialisationStatusRequest(0, Panel, loops);
    services()->sendSerialisationSummaryRequest(0, Panel, 2);
    services()->sendSerialisationLoopSet(1, Panel, QStringLiteral("/usb/enrolment.xml"));

    QTRY_COMPARE_WITH_TIMEOUT(status.count(), 1, InProcessLink::WaitMs);
    const auto statuses = status.first().at(1).value<QVector<SerialisationServiceStatus>>();
    QCOMPARE(statuses.size(), 2);
    QCOMPARE(int(statuses.at(1).loop), 3);
    QCOMPARE(statuses.at(1).status, eCompletedAllMatch);
    QTRY_COMPARE_WITH_TIMEOUT(summary.count(), 1, InProcessLink::WaitMs);
    QCOMPARE(summary.first().at(0).value<TC::panel_t>(), Panel);
    QCOMPARE(summary.first().at(5).value<quint8>(), quint8(96));
    QTRY_COMPARE_WITH_TIMEOUT(loopSet.count(), 1, InProcessLink::WaitMs);
    QCOMPARE(setBits(loopSet.first().at(1).toBitArray()), (QList<int>{1, 2, 3, 4}));
}

QTEST_GUILESS_MAIN(tst_PointManagerEndToEnd)
#include "tst_pointmanager_e2e.moc"

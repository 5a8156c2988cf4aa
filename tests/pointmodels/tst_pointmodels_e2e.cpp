#include "SameThreadLink.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SC_PageHandlerTable.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/LkNetworkStats.h"
#include "pointmodels/WalkTestPointsModel.h"
#include "pointmodels/WalkTestSummaryModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

// The engine's protocol client and the point models in this process, the
// controller emulator at the other end of a loopback link: the requests the
// models make reach the emulator, and its answers fill the models. The
// emulator's demo site: panel 1 has loops 1 to 4.

namespace {

constexpr int Timeout = 30000;
constexpr quint8 Panel = 1;

int countBits(const QBitArray &bits)
{
    return bits.count(true);
}

// The points of panel 1's loops set in one point map.
int pointsInMap(int page)
{
    int count = 0;
    for (quint8 loop = 1; loop <= 4; ++loop) {
        count += countBits(PointDataMapsConfiguration::instance()->channelPoints(page, Panel, 12, 0, loop));
    }
    return count;
}

// Each row as loop/point.
QStringList pointsOf(const QAbstractItemModel &list)
{
    QStringList points;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QModelIndex index = list.index(row, 0);
        points << QStringLiteral("%1/%2").arg(index.data(38).toInt()).arg(index.data(35).toInt());
    }
    return points;
}

} // namespace

class tst_PointModelsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void disabledPointValuesAreAskedOnceAndShown();
    void disabledPointsAreListed();
    void networkRefreshAsksAllNodesThenThisOne();
    void walkTestFillsTheSummary();

private:
    // The emulator's site configuration, held in full by the engine, which
    // stands on the site's network as panel 1.
    void receiveTheSite();
    int countLines(const QString &start, int from) const;

    QTemporaryDir m_directory;
    std::unique_ptr<SameThreadLink> m_link;
};

void tst_PointModelsEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_PointModelsEndToEnd::init()
{
    m_link = std::make_unique<SameThreadLink>();
    SyncClient *client = SyncClient::instance();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    QVERIFY(m_link->connect());
    m_link->controller().command(QStringLiteral("layout 1"));
    QVERIFY(m_link->heartbeatAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), Timeout);
}

void tst_PointModelsEndToEnd::cleanup()
{
    m_link.reset();
    LkNetworkStats::destroyInstance();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
    PanelCounters::instance()->clear();
}

int tst_PointModelsEndToEnd::countLines(const QString &start, int from) const
{
    const QStringList lines = m_link->controller().lines();
    int count = 0;
    for (int i = from; i < lines.size(); ++i)
        count += lines.at(i).startsWith(start);
    return count;
}

void tst_PointModelsEndToEnd::receiveTheSite()
{
    TeskGlobalConfig::instance()->setPanelNumber(Panel);
    QVERIFY(m_link->receiveSite(Panel));
}

void tst_PointModelsEndToEnd::disabledPointsAreListed()
{
    receiveTheSite();
    if (QTest::currentTestFailed())
        return;
    DisablementsModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.fillDisabledPoints(Panel, 255);
    QCOMPARE(list.rowCount(), 0);

    // Two inputs and an output of loop 2.
    SC_PointsIndividual points;
    points.setPanel(Panel);
    for (quint8 point = 1; point <= 3; ++point)
        points.addPoint(12, 2, 0, point);
    const int from = m_link->controller().lineCount();
    SyncClient::instance()->sendDisablePoints(2, DISABLEMENT_DISABLE, points, 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("site-disable panel=1 function=1 kind=2 entries=3 changed=3"), from)
            >= 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=14 panel=1 "), from) >= 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=15 panel=1 "), from) >= 0);

    QSignalSpy counts(&list, &CountModel::countResult);
    list.fillDisabledPoints(Panel, 255);
    const QStringList disabled{"2/1", "2/2", "2/3"};
    QCOMPARE(pointsOf(list), disabled);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.at(0).at(0).toString(), QStringLiteral("3"));
    // The points' own zone lists them as well; no other panel has any.
    const quint8 zone = quint8(list.index(0, 0).data(34).toInt());
    list.fillDisabledPoints(Panel, zone);
    QCOMPARE(pointsOf(list), disabled);
    list.fillDisabledPoints(quint8(Panel + 1), 255);
    QCOMPARE(list.rowCount(), 0);
}

void tst_PointModelsEndToEnd::disabledPointValuesAreAskedOnceAndShown()
{
    SC_PointsIndividual points;
    points.setPanel(Panel);
    for (quint8 point = 1; point <= 3; ++point)
        points.addPoint(12, 2, 0, point);
    int from = m_link->controller().lineCount();
    SyncClient::instance()->sendDisablePoints(2, DISABLEMENT_DISABLE, points, 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("site-disable panel=1 function=1 kind=2 entries=3"), from) >= 0);

    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const ChannelAddress loop2(12, 2, 0);
    for (quint8 point = 1; point <= 3; ++point) {
        const PointAddressKey record(point, 5, 5, 0x03, 0x01, 251);
        list.addPoint(Panel, &loop2, &record);
    }
    QSignalSpy updated(&list, &DisablementsAndStatusModel::updatedPointValueModel);
    from = m_link->controller().lineCount();
    list.uiItemChangedUpdate(list.index(1, 0));
    list.uiItemChangedUpdate(list.index(1, 0));
    const QString request = QStringLiteral("point-information panel=1 kind=12 address=2 number=0 point=2");
    QVERIFY(m_link->waitForLine(request, from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(updated.count(), 1, Timeout);
    QCOMPARE(countLines(QStringLiteral("point-information"), from), 1);
    const QModelIndex row = list.index(1, 0);
    QCOMPARE(row.data(81).toString(), QStringLiteral("_NORMAL_POINTVALUE"));
    QCOMPARE(row.data(82).toString(), QString());
    QCOMPARE(row.data(83).toString(), QStringLiteral("_DISABLED_POINTVALUE"));
    QCOMPARE(row.data(79).toString(), QStringLiteral("_DISABLED_POINTVALUE"));
    QVERIFY(!row.data(77).toString().isEmpty());
    QCOMPARE(row.data(78).toString(), QString());
    QCOMPARE(list.index(0, 0).data(81).toString(), QStringLiteral("-"));

    // The next look asks again.
    list.uiItemChangedUpdate(list.index(1, 0));
    QTRY_COMPARE_WITH_TIMEOUT(updated.count(), 2, Timeout);
    QCOMPARE(countLines(QStringLiteral("point-information"), from), 2);
}

void tst_PointModelsEndToEnd::networkRefreshAsksAllNodesThenThisOne()
{
    TeskGlobalConfig::instance()->setNetworkNodeNumber(Panel);
    TeskGlobalConfig::instance()->setPanelNumber(Panel);
    LkNetworkStats *stats = LkNetworkStats::instance();
    stats->setEthernetConnectedQuery([] { return SyncClient::instance()->isLinkUp(); });
    QSignalSpy updated(stats, &LkNetworkStats::nodeUpdated);
    const int from = m_link->controller().lineCount();
    stats->toggleRefresh();
    const int all = m_link->waitForLine(QStringLiteral("network-fault node=255 kind=5"), from);
    QVERIFY(all >= 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("network-fault node=0 kind=5"), all + 1) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(stats->statValue(Panel, 0) != QVariant(QStringLiteral("-")), Timeout);
    QVERIFY(stats->statValue(Panel, 0).toULongLong() > 0);
    QCOMPARE(stats->statValue(Panel, 18), QVariant(0));
    QCOMPARE(stats->nodeFlag(Panel, 0x7F), 0);
    stats->toggleRefresh();
}

void tst_PointModelsEndToEnd::walkTestFillsTheSummary()
{
    receiveTheSite();
    if (QTest::currentTestFailed())
        return;
    int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("walktest 1 2 5"));
    QVERIFY(m_link->waitForLine(QStringLiteral("walk-test panel=1 status=2 zone=5"), from) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(WalkTestHandler::instance()->summary(Panel).isActive(), Timeout);
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=25 panel=1 "), from) >= 0);

    const WalkTestSummary &summary = WalkTestHandler::instance()->summary(Panel);
    QVERIFY(summary.counter1() > 0);
    QCOMPARE(pointsInMap(23), int(summary.counter1()));
    QCOMPARE(pointsInMap(25), int(summary.counter5()));
    QCOMPARE(pointsInMap(24), int(summary.counter3()));

    WalkTestSummaryModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.addSummaryRow(Panel, false);
    QCOMPARE(list.rowCount(), 1);
    const QModelIndex row = list.index(0, 0);
    QCOMPARE(row.data(WalkTestSummaryModel::ModeRole).toString(), QStringLiteral("_ZONE_ALARM_INPUTS_INFOTEXT"));
    QCOMPARE(row.data(WalkTestSummaryModel::LocationRole).toString(), QStringLiteral("_ZONE_SUMMARYINFO 5"));
    QCOMPARE(row.data(WalkTestSummaryModel::DevicesInTestRole).toString(),
             QStringLiteral("%1").arg(summary.counter1(), 5, 10, QLatin1Char('0')));
    QCOMPARE(row.data(WalkTestSummaryModel::ZonesInTestRole).toString(), QStringLiteral("00001"));

    // The points under test split by their result.
    WalkTestPointsModel successful(WalkTestPointsModel::SuccessfulPoints);
    WalkTestPointsModel unfinished(WalkTestPointsModel::UnfinishedOrFailedPoints);
    QAbstractItemModelTester successfulTester(&successful, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester unfinishedTester(&unfinished, QAbstractItemModelTester::FailureReportingMode::QtTest);
    successful.updateForWalkTest(Panel);
    unfinished.updateForWalkTest(Panel);
    QVERIFY(successful.rowCount() > 0);
    QVERIFY(unfinished.rowCount() > 0);
    QCOMPARE(successful.rowCount(), int(summary.counter5()));
    QCOMPARE(successful.rowCount() + unfinished.rowCount(), int(summary.counter1()));
    for (const WalkTestPointsModel *points : {&successful, &unfinished}) {
        for (int r = 0; r < points->rowCount(); ++r) {
            QCOMPARE(points->index(r, 0).data(33).toInt(), int(Panel));
            QCOMPARE(points->index(r, 0).data(34).toInt(), 5);
        }
    }
    const QStringList successfulPoints = pointsOf(successful);
    for (const QString &point : pointsOf(unfinished))
        QVERIFY2(!successfulPoints.contains(point), qPrintable(point));

    // The walk test stops.
    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("walktest 1 0 5"));
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=25 panel=1 "), from) >= 0);
    QVERIFY(!WalkTestHandler::instance()->summary(Panel).isActive());
    QCOMPARE(pointsInMap(23), 0);
    list.addSummaryRow(Panel, true);
    QCOMPARE(list.index(1, 0).data(WalkTestSummaryModel::PreviousModeRole).toString(),
             QStringLiteral("_ZONE_ALARM_INPUTS_INFOTEXT"));
    successful.updateForWalkTest(Panel);
    unfinished.updateForWalkTest(Panel);
    QCOMPARE(successful.rowCount(), 0);
    QCOMPARE(unfinished.rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_PointModelsEndToEnd)
#include "tst_pointmodels_e2e.moc"

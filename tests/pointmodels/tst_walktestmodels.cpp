#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/WTZonePointSortProxyModel.h"
#include "pointmodels/WalkTestPointsModel.h"
#include "pointmodels/WalkTestSummaryModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

using Counters = WalkTestSummary::Counters;

void report(quint8 node, int status, quint8 zoneSelector, quint8 groupMask, const Counters &counters = {},
            int extraValue = 0)
{
    WalkTestHandler::instance()->updateSummary(node, zoneSelector, status, groupMask, counters, QBitArray(),
                                               extraValue);
}

QVariant role(const QAbstractItemModel &list, int row, int role)
{
    return list.index(row, 0).data(role);
}

QList<int> nodesOf(const QAbstractItemModel &list)
{
    QList<int> nodes;
    for (int row = 0; row < list.rowCount(); ++row)
        nodes << role(list, row, WalkTestSummaryModel::NodeRole).toInt();
    return nodes;
}

QStringList progressOf(const QAbstractItemModel &list, int row)
{
    QStringList values;
    for (int r = WalkTestSummaryModel::LocationRole; r <= WalkTestSummaryModel::CurrentlyActiveRole; ++r)
        values << role(list, row, r).toString();
    return values;
}

// Node 2's loop 1: inputs and outputs in and out of a walk test. In the
// point maps, 23 marks the points under test, 24 those seen active and 25
// those tested successfully.
struct WalkTestPoint
{
    quint8 point;
    quint8 zone;
    quint8 attributes;
    QList<int> pages;
};

constexpr quint8 Node = 2;
const ChannelAddress WalkTestLoop(12, 1, 0);

void scriptWalkTest()
{
    const QList<WalkTestPoint> points{
        {1, 1, 0x02, {23, 24, 25}}, // successful
        {2, 1, 0x02, {23}}, // not yet active
        {3, 2, 0x02, {23, 25}}, // successful
        {4, 5, 0x02, {23}}, // not yet active
        {5, 1, 0x04, {23, 25}}, // a successful output
        {6, 1, 0x04, {23}}, // an output not yet active
        {7, 1, 0x02, {}}, // not under test
        {8, 1, 0x02, {23, 24}}, // active, not yet restored
        {9, 250, 0x02, {23}}, // in a zone a list cannot name
    };
    QHash<int, QBitArray> maps;
    for (const WalkTestPoint &p : points) {
        ScriptedSite::addPoint(Node, WalkTestLoop, ScriptedSite::record(p.point, p.zone, 5, p.attributes));
        for (int page : p.pages) {
            maps[page].resize(256);
            maps[page].setBit(p.point);
        }
    }
    for (auto map = maps.cbegin(); map != maps.cend(); ++map)
        PointDataMapsConfiguration::instance()->setChannelPoints(map.key(), Node, WalkTestLoop, map.value());
}

QList<int> pointsOf(const QAbstractItemModel &list)
{
    QList<int> points;
    for (int row = 0; row < list.rowCount(); ++row)
        points << role(list, row, 35).toInt();
    return points;
}

const QStringList NoProgress{"-", "-", "-", "-", "-", "-", "-", "-"};

} // namespace

// The walk-test summary of the panels, the result lists of one panel's
// walk test and their zone-and-point order.
class tst_WalkTestModels final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void modeText_data();
    void modeText();
    void previousModeOfAStoppedWalkTest();
    void allOutputsShowNoCounts_data();
    void allOutputsShowNoCounts();
    void countsHaveFiveDigits();
    void noWalkTestShowsNothing();
    void panelTitle();
    void locationText_data();
    void locationText();
    void fillPanels();
    void summaryRoleNames();

    void pointRows();
    void updateForWalkTest_data();
    void updateForWalkTest();
    void updateForWalkTestOfAnotherNode();
    void resultTitle_data();
    void resultTitle();
    void proxyOrdersByZoneThenPoint();
};

void tst_WalkTestModels::init()
{
    ScriptedSite::reset();
    WalkTestHandler::instance()->reset();
    WalkTestHandler::instance()->setSelectedNode(WalkTestHandler::NoNode);
    TeskGlobalConfig::instance()->setLogicalZones(false);
}

void tst_WalkTestModels::modeText_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("zoneSelector");
    QTest::addColumn<int>("groupMask");
    QTest::addColumn<QString>("mode");
    QTest::newRow("zone 7, call points") << 2 << 7 << 8 << "_ZONE_ALARM_CALLPOINT_INFOTEXT";
    QTest::newRow("zone list, call points") << 2 << 252 << 8 << "_ALARM_CALLPOINT_INFOTEXT";
    QTest::newRow("zone 7, mask 6") << 2 << 7 << 6 << "_ZONE_INPUTS_INFOTEXT";
    QTest::newRow("zone list, mask 6") << 2 << 252 << 6 << "_INPUTS_INFOTEXT";
    QTest::newRow("zone 7, mask 12") << 2 << 7 << 12 << "_ZONE_ALARM_INPUTS_INFOTEXT";
    QTest::newRow("zone list, mask 12") << 2 << 252 << 12 << "_ALARM_INPUTS_INFOTEXT";
    QTest::newRow("no zones") << 2 << 254 << 8 << "-";
    QTest::newRow("all zones") << 2 << 255 << 8 << "";
    QTest::newRow("zone 0, mask 1") << 4 << 0 << 1 << "-";
    QTest::newRow("zone 240, non-alarm inputs") << 2 << 240 << 2 << "_ZONE_NON_ALARM_INPUT_INFOTEXT";
    QTest::newRow("zone list, alarm contacts") << 5 << 252 << 4 << "_ALARM_CONTACT_INFOTEXT";
    QTest::newRow("zone 3, detectors") << 2 << 3 << 16 << "_ZONE_ALARM_DETECTOR_INFOTEXT";
    QTest::newRow("zone 241") << 2 << 241 << 8 << "";
    QTest::newRow("no group") << 2 << 7 << 0 << "_NO_ACTIVE_WALKTEST_INFOTEXT";
    QTest::newRow("all outputs") << 1 << 7 << 8 << "_ALL_OUTPUTS_INFOTEXT";
    QTest::newRow("all outputs, no group") << 1 << 7 << 0 << "_NO_ACTIVE_WALKTEST_INFOTEXT";
    QTest::newRow("one device model") << 3 << 7 << 8 << "_DEVICE_MODEL_WALKTEST_INFOTEXT";
}

void tst_WalkTestModels::modeText()
{
    QFETCH(int, status);
    QFETCH(int, zoneSelector);
    QFETCH(int, groupMask);
    QFETCH(QString, mode);
    report(6, status, quint8(zoneSelector), quint8(groupMask));
    WalkTestSummaryModel list;
    QCOMPARE(list.modeText(6, false), mode);
    list.addSummaryRow(6, false);
    QCOMPARE(list.rowCount(), 1);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ModeRole).toString(), mode);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ActiveRole).toBool(), true);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::PreviousModeRole).toString(), QStringLiteral("-"));
}

void tst_WalkTestModels::previousModeOfAStoppedWalkTest()
{
    report(6, 2, 7, 8, {3, 0, 2, 2, 1, 0});
    report(6, 0, 9, 0, {3, 0, 2, 2, 1, 0});
    WalkTestSummaryModel list;
    list.addSummaryRow(6, false);
    QCOMPARE(list.rowCount(), 0);
    list.addSummaryRow(6, true);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ModeRole).toString(), QStringLiteral("_NO_ACTIVE_WALKTEST_INFOTEXT"));
    QCOMPARE(role(list, 0, WalkTestSummaryModel::PreviousModeRole).toString(),
             QStringLiteral("_ZONE_ALARM_CALLPOINT_INFOTEXT"));
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ActiveRole).toBool(), false);
    // The counts of the walk test that stopped, at the current zone selector.
    QCOMPARE(progressOf(list, 0),
             (QStringList{"_ZONE_SUMMARYINFO 9", "00003", "00000", "00000", "00002", "00002", "00001", "00000"}));
}

void tst_WalkTestModels::allOutputsShowNoCounts_data()
{
    QTest::addColumn<int>("extraValue");
    QTest::addColumn<QString>("location");
    QTest::newRow("location not yet known") << 1 << "-";
    QTest::newRow("location known") << 2 << "_ZONE_SUMMARYINFO 7";
}

void tst_WalkTestModels::allOutputsShowNoCounts()
{
    QFETCH(int, extraValue);
    QFETCH(QString, location);
    report(4, 1, 7, 8, {1, 2, 3, 4, 5, 6}, extraValue);
    WalkTestSummaryModel list;
    list.addSummaryRow(4, false);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ModeRole).toString(), QStringLiteral("_ALL_OUTPUTS_INFOTEXT"));
    QStringList expected = NoProgress;
    expected[0] = location;
    QCOMPARE(progressOf(list, 0), expected);
}

void tst_WalkTestModels::countsHaveFiveDigits()
{
    report(4, 2, 7, 8, {0, 0, 7, 0, 12345, 65535});
    report(5, 2, 8, 8);
    WalkTestSummaryModel list;
    list.addSummaryRow(4, false);
    list.addSummaryRow(5, false);
    QCOMPARE(progressOf(list, 0),
             (QStringList{"_ZONE_SUMMARYINFO 7", "00000", "00001", "00000", "00007", "00000", "12345", "65535"}));
    QCOMPARE(progressOf(list, 1),
             (QStringList{"_ZONE_SUMMARYINFO 8", "00000", "00001", "00000", "00000", "00000", "00000", "00000"}));
}

void tst_WalkTestModels::noWalkTestShowsNothing()
{
    WalkTestSummaryModel list;
    list.addSummaryRow(8, true);
    QCOMPARE(progressOf(list, 0), NoProgress);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::PreviousModeRole).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, WalkTestSummaryModel::ModeRole).toString(), QStringLiteral("_NO_ACTIVE_WALKTEST_INFOTEXT"));
}

void tst_WalkTestModels::panelTitle()
{
    report(0, 2, 7, 8);
    report(12, 2, 7, 8);
    WalkTestSummaryModel list;
    list.addSummaryRow(0, false);
    list.addSummaryRow(12, false);
    QCOMPARE(role(list, 0, WalkTestSummaryModel::PanelRole).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 1, WalkTestSummaryModel::PanelRole).toString(), QStringLiteral("_PANEL_SYSSTATUSTITLE 12"));
    QCOMPARE(role(list, 1, WalkTestSummaryModel::StartTimeRole).toDateTime(),
             WalkTestHandler::instance()->startTime(12));
    QVERIFY(role(list, 1, WalkTestSummaryModel::LastUpdatedRole).toDateTime().isValid());
}

void tst_WalkTestModels::locationText_data()
{
    QTest::addColumn<int>("zoneSelector");
    QTest::addColumn<bool>("logicalZones");
    QTest::addColumn<QString>("location");
    QTest::newRow("zone 7") << 7 << false << "_ZONE_SUMMARYINFO 7";
    QTest::newRow("zone 0") << 0 << false << "_ZONE_SUMMARYINFO 0";
    QTest::newRow("zone list") << 252 << false << "_MULTI_ZONE_INFOTEXT";
    QTest::newRow("all zones") << 255 << false << "-";
    QTest::newRow("no zones") << 254 << false << "-";
    QTest::newRow("zone 241") << 241 << false << "-";
}

void tst_WalkTestModels::locationText()
{
    QFETCH(int, zoneSelector);
    QFETCH(bool, logicalZones);
    QFETCH(QString, location);
    TeskGlobalConfig::instance()->setLogicalZones(logicalZones);
    const WalkTestSummaryModel list;
    QCOMPARE(list.locationText(3, quint8(zoneSelector)), location);
}

void tst_WalkTestModels::fillPanels()
{
    PanelConfiguration *panels = PanelConfiguration::instance();
    for (const quint8 panel : {0, 2, 5, 7, 9})
        panels->setPanelRecord(panel, PanelRecord());
    // Panel 9 does not answer: it is left out.
    QBitArray silent(10);
    silent.setBit(9);
    PointDataMapsConfiguration::instance()->setChannelPoints(134, 0, ChannelAddress(15, 0, 1), silent);
    report(5, 2, 7, 8);
    report(7, 2, 7, 8);
    report(9, 2, 7, 8);
    WalkTestSummaryModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);

    list.fillPanels(false);
    QCOMPARE(nodesOf(list), (QList<int>{5, 7}));
    list.fillPanels(true);
    QCOMPARE(nodesOf(list), (QList<int>{0, 2, 5, 7}));

    WalkTestHandler::instance()->setSelectedNode(7);
    list.fillPanels(true);
    QCOMPARE(nodesOf(list), (QList<int>{7, 0, 2, 5}));
    list.fillPanels(false);
    QCOMPARE(nodesOf(list), (QList<int>{7, 5}));

    // A selected panel without an active walk test is no selection.
    WalkTestHandler::instance()->setSelectedNode(2);
    list.fillPanels(true);
    QCOMPARE(nodesOf(list), (QList<int>{0, 2, 5, 7}));
}

void tst_WalkTestModels::summaryRoleNames()
{
    const WalkTestSummaryModel list;
    const QList<int> roles = list.roleNames().keys();
    QSet<int> expected;
    for (int r = 122; r <= 131; ++r)
        expected << r;
    QCOMPARE(QSet<int>(roles.begin(), roles.end()), expected);
    QCOMPARE(QString::fromLatin1(list.metaObject()->className()), QStringLiteral("WalkTestSummaryModel"));
}

void tst_WalkTestModels::pointRows()
{
    WalkTestPointsModel list(WalkTestPointsModel::SuccessfulPoints);
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const ChannelAddress channel(0x0C, 2);
    const PointAddressKey record = ScriptedSite::record(17, 4);
    const PointAddressKey noZone = ScriptedSite::record(18, PointAddressKey::NoZone);
    list.addPoint(3, &channel, &record);
    list.addPoint(3, &channel, &noZone);
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(role(list, 0, 33).toInt(), 3);
    QCOMPARE(role(list, 0, 34).toInt(), 4);
    QCOMPARE(role(list, 0, 35).toInt(), 17);
    QCOMPARE(role(list, 0, 38).toInt(), 2);
    QVERIFY(role(list, 0, 58).toString().startsWith(QStringLiteral("004 ")));
    QCOMPARE(role(list, 1, 58).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, 60).toString(), QStringLiteral("-"));
    QVERIFY(!role(list, 0, 62).toString().isEmpty());
    QCOMPARE(role(list, 0, 43), QVariant());
    const QList<int> roles = list.roleNames().keys();
    QCOMPARE(QSet<int>(roles.begin(), roles.end()), (QSet<int>{58, 59, 60, 62}));
    QCOMPARE(QString::fromLatin1(list.metaObject()->className()), QStringLiteral("WalkTestPointsModel"));
}

void tst_WalkTestModels::updateForWalkTest_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("zoneSelector");
    QTest::addColumn<QList<int>>("zoneList");
    QTest::addColumn<int>("resultKind");
    QTest::addColumn<QList<int>>("points");
    const QList<int> none;
    QTest::newRow("zone 1, successful") << 2 << 1 << none << 0 << QList<int>{1};
    QTest::newRow("zone 1, unfinished") << 2 << 1 << none << 1 << QList<int>{2};
    QTest::newRow("all zones, successful") << 4 << 255 << none << 0 << QList<int>{1, 3};
    QTest::newRow("all zones, unfinished") << 4 << 255 << none << 1 << QList<int>{2, 4, 9};
    QTest::newRow("listed zones, unfinished") << 2 << 252 << QList<int>{2, 5, 250} << 1 << QList<int>{4};
    QTest::newRow("listed zones, successful") << 2 << 252 << QList<int>{2, 5} << 0 << QList<int>{3};
    QTest::newRow("all outputs, successful") << 1 << 255 << none << 0 << QList<int>{5};
    QTest::newRow("all outputs, unfinished") << 1 << 255 << none << 1 << QList<int>{6};
    for (int kind : {0, 1}) {
        QTest::addRow("status 3, kind %d", kind) << 3 << 255 << none << kind << none;
        QTest::addRow("status 5, kind %d", kind) << 5 << 255 << none << kind << none;
        QTest::addRow("status 6, kind %d", kind) << 6 << 255 << none << kind << none;
        QTest::addRow("stopped, kind %d", kind) << 0 << 255 << none << kind << none;
    }
    QTest::newRow("no such result") << 2 << 255 << none << 2 << none;
}

// The points of the walk test's maps that its status and zones cover,
// by result, in the configuration's order.
void tst_WalkTestModels::updateForWalkTest()
{
    QFETCH(int, status);
    QFETCH(int, zoneSelector);
    QFETCH(QList<int>, zoneList);
    QFETCH(int, resultKind);
    QFETCH(QList<int>, points);
    TeskGlobalConfig::instance()->setPanelNumber(3);
    scriptWalkTest();
    QBitArray zones(256);
    for (int zone : zoneList)
        zones.setBit(zone);
    // A walk test of all zones first: the list is refilled, not added to.
    WalkTestHandler::instance()->updateSummary(Node, 255, 2, 8, {}, QBitArray(), 0);
    WalkTestPointsModel list(resultKind);
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.updateForWalkTest(Node);
    WalkTestHandler::instance()->reset();
    WalkTestHandler::instance()->updateSummary(Node, quint8(zoneSelector), status, 8, {}, zones, 0);
    QSignalSpy counts(&list, &CountModel::countResult);
    list.updateForWalkTest(Node);
    QCOMPARE(pointsOf(list), points);
    QCOMPARE(counts.count(), 0);
    for (int row = 0; row < list.rowCount(); ++row)
        QCOMPARE(role(list, row, 33).toInt(), int(Node));
}

void tst_WalkTestModels::updateForWalkTestOfAnotherNode()
{
    TeskGlobalConfig::instance()->setPanelNumber(3);
    scriptWalkTest();
    WalkTestHandler::instance()->updateSummary(Node, 255, 2, 8, {}, QBitArray(), 0);
    WalkTestPointsModel list(WalkTestPointsModel::SuccessfulPoints);
    list.updateForWalkTest(Node + 1);
    QCOMPARE(list.rowCount(), 0);
    list.updateForWalkTest(Node);
    QCOMPARE(pointsOf(list), (QList<int>{1, 3}));
}

void tst_WalkTestModels::resultTitle_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("successful") << 0 << "_WALKTEST_SUCCESSFUL_POINTS_80_CHAR";
    QTest::newRow("unfinished or failed") << 1 << "_WALKTEST_UNFINISHED_FAILED_POINTS_80_CHAR";
    QTest::newRow("other") << 2 << "";
}

void tst_WalkTestModels::resultTitle()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    const WalkTestPointsModel list(kind);
    QCOMPARE(list.resultTitle(), title);
}

void tst_WalkTestModels::proxyOrdersByZoneThenPoint()
{
    QStandardItemModel source;
    const QList<QPair<int, int>> rows{{3, 40}, {3, 1}, {3, 12}, {2, 99}, {259, 5}, {1, 300}};
    for (const auto &row : rows) {
        auto *item = new QStandardItem;
        item->setData(row.first, 34);
        item->setData(row.second, 35);
        source.appendRow(item);
    }
    WTZonePointSortProxyModel proxy;
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.setSourceModel(&source);
    proxy.sort(0);
    QList<QPair<int, int>> sorted;
    for (int row = 0; row < proxy.rowCount(); ++row)
        sorted << qMakePair(role(proxy, row, 34).toInt(), role(proxy, row, 35).toInt());
    // Zone 259 reads as zone 3 and point 300 as point 44: both count in 8 bits.
    QCOMPARE(sorted, (QList<QPair<int, int>>{{1, 300}, {2, 99}, {3, 1}, {259, 5}, {3, 12}, {3, 40}}));
}

QTEST_GUILESS_MAIN(tst_WalkTestModels)
#include "tst_walktestmodels.moc"

#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SameThreadLink.h"
#include "SelectorScreen.h"
#include "WidgetTest.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/PointsSelector.h"
#include "listscreens/ZoneSelector.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DisablePointFilter.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/LkNetworkStats.h"

#include <QtTest>

#include <memory>

// The engine's protocol client and a disable screen's chain of panel, zone
// and points in this process, the controller emulator at the other end of a
// loopback link with its demo site: the points a user chooses in a zone go
// out as one individual point list, and the controller disables exactly
// those. The link runs on real time; the screen's timers on the fake clock.

namespace {

using namespace FilteredRoles;

constexpr int Timeout = 30000;
constexpr quint8 Panel = 1;

// The list's row of a value in a role, -1 when it has none.
int rowOf(FilterSelector *selector, int role, uint value, int otherRole = -1, uint otherValue = 0)
{
    const QAbstractItemModel *rows = listOf(selector)->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        const QVariant data = index.data(role);
        if (!data.isValid() || data.toUInt() != value)
            continue;
        if (otherRole < 0 || index.data(otherRole).toUInt() == otherValue)
            return row;
    }
    return -1;
}

// Every point row of the list as kind/loop/number/point.
QStringList listedPoints(FilterSelector *selector)
{
    QStringList points;
    const QAbstractItemModel *rows = listOf(selector)->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        if (!index.data(PointRole).isValid())
            continue;
        points << QStringLiteral("%1/%2/%3/%4")
                      .arg(index.data(ChannelKindRole).toUInt())
                      .arg(index.data(LoopRole).toUInt())
                      .arg(index.data(ChannelNumberRole).toUInt())
                      .arg(index.data(PointRole).toUInt());
    }
    return points;
}

// loop/point pairs as the controller names loop points.
QStringList loopPoints(const QList<QPair<int, int>> &points)
{
    QStringList names;
    for (const auto &point : points)
        names << QStringLiteral("12/%1/0/%2").arg(point.first).arg(point.second);
    return names;
}

QStringList loopPointsFrom(int loop, int first, int last)
{
    QList<QPair<int, int>> points;
    for (int point = first; point <= last; ++point)
        points.append({loop, point});
    return loopPoints(points);
}

} // namespace

using PointChoice = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(PointChoice)

class tst_PointSelectorsEndToEnd final : public WidgetTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chosenPointsAreDisabled_data();
    void chosenPointsAreDisabled();

private:
    // The controller's demo site in the packet header layout (0 or 1), held
    // in full by the engine on the network's panel 1.
    void receiveTheSite(int layout);

    std::unique_ptr<SameThreadLink> m_link;
};

void tst_PointSelectorsEndToEnd::init()
{
    TeskGlobalConfig::instance()->setPanelNumber(Panel);
    m_link = std::make_unique<SameThreadLink>();
    QVERIFY(m_link->connect());
}

void tst_PointSelectorsEndToEnd::cleanup()
{
    m_link.reset();
    LkNetworkStats::destroyInstance();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
    PanelCounters::instance()->clear();
    PointCoreConfiguration::instance()->clearPanel(255);
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
}

void tst_PointSelectorsEndToEnd::receiveTheSite(int layout)
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 0);
    m_link->controller().command(QStringLiteral("layout %1").arg(layout));
    QVERIFY(m_link->heartbeatAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(SyncClient::instance()->isLinkUp(), Timeout);
    QVERIFY(m_link->receiveSite(Panel));
}

void tst_PointSelectorsEndToEnd::chosenPointsAreDisabled_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("zone");
    QTest::addColumn<PointChoice>("chosen");
    QTest::addColumn<QStringList>("disabled");
    // The demo site's zones follow each loop ten points at a time: zone 13
    // is the start of loop 1, zone 3 spans loops 1 to 3, zone 10 is the end
    // of loop 4 alone. A choice of (0, 0) is the zone's all row.
    QTest::newRow("two points of one loop") << 1 << 13 << PointChoice{{1, 7}, {1, 3}} << loopPoints({{1, 3}, {1, 7}});
    QTest::newRow("three points on three loops")
        << 1 << 3 << PointChoice{{3, 4}, {1, 105}, {2, 52}} << loopPoints({{1, 105}, {2, 52}, {3, 4}});
    QTest::newRow("the zone's all row") << 1 << 10 << PointChoice{{0, 0}} << loopPointsFrom(4, 21, 30);
    QTest::newRow("layout 0") << 0 << 3 << PointChoice{{2, 55}, {3, 9}} << loopPoints({{2, 55}, {3, 9}});
}

void tst_PointSelectorsEndToEnd::chosenPointsAreDisabled()
{
    QFETCH(int, layout);
    QFETCH(int, zone);
    QFETCH(PointChoice, chosen);
    QFETCH(QStringList, disabled);
    receiveTheSite(layout);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_link->disabledPoints(Panel), QStringLiteral("disabled panel=1 points=0"));

    FakeClock clock;
    PageUnderPopups stack(window());
    QPointer<SelectorScreen> page = new SelectorScreen;
    page->filters.pointsKind = FilterModel::ZoneDisable;
    page->filters.disableAction = DisablePointFilter::Disable;
    auto *panels = new PanelSelector(&page->filters, page->buttonGroup(), page);
    auto *zones = new ZoneSelector(&page->filters, page->buttonGroup(), page);
    auto *points = new PointsSelector(&page->filters, page->buttonGroup(), page);
    page->addFilterSelector(panels);
    page->addFilterSelector(zones);
    page->addFilterSelector(points);
    PageStack::instance()->push(page);
    clock.advance(1);

    // Each tap moves the screen on to the next list, as a user's would.
    const int panelRow = rowOf(panels, PanelRole, Panel);
    QVERIFY(panelRow >= 0);
    tapRow(panels, panelRow);
    QVERIFY(zones->isCurrent());
    const int zoneRow = rowOf(zones, ZoneRole, uint(zone));
    QVERIFY(zoneRow >= 0);
    tapRow(zones, zoneRow);
    QVERIFY(points->isCurrent());
    QCOMPARE(page->filters.selectedPanel, Panel);
    QCOMPARE(page->filters.selectedZones(), QList<quint8>{quint8(zone)});

    // Each point is tapped in the zone's list by its loop and number; the
    // all row stands for every point the list holds.
    const QStringList listed = listedPoints(points);
    for (const auto &point : chosen) {
        if (point.first == 0) {
            tapRow(points, 0);
            QCOMPARE(listed, disabled);
            continue;
        }
        const int row = rowOf(points, LoopRole, uint(point.first), PointRole, uint(point.second));
        QVERIFY2(row >= 0, qPrintable(listed.join(QLatin1Char(' '))));
        tapRow(points, row);
    }

    SC_PointsIndividual &individual = points->selectedPointsIndividual();
    QCOMPARE(individual.count(), disabled.size());
    individual.setPanel(Panel);
    const int from = m_link->controller().lineCount();
    SyncClient::instance()->sendDisablePoints(2, DISABLEMENT_DISABLE, individual, 0);
    const int line = m_link->waitForLine(QStringLiteral("site-disable panel=1 "), from);
    QVERIFY(line >= 0);
    QVERIFY2(m_link->controller().lines().at(line).contains(QStringLiteral(" changed=%1 ").arg(disabled.size())),
             qPrintable(m_link->controller().lines().at(line)));
    QCOMPARE(m_link->disabledPoints(Panel),
             QStringLiteral("disabled panel=1 points=%1 %2").arg(disabled.size()).arg(disabled.join(QLatin1Char(' '))));
}

QTEST_MAIN(tst_PointSelectorsEndToEnd)
#include "tst_pointselectors_e2e.moc"

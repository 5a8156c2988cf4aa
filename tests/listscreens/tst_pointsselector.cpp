#include "FakeClock.h"
#include "ListScreenSite.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "ScriptedSite.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/PointSortProxyModel.h"
#include "listscreens/PointsSelector.h"
#include "pointmodels/FilteredModelPointItem.h"
#include "pointmodels/FilteredRoles.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

using namespace FilteredRoles;

constexpr quint8 Panel = 2;
constexpr quint8 Zone = 7;

// Three points of zone 7 on two loops and one of zone 8.
void buildPoints()
{
    ListScreenSite::build({Panel});
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(2), ScriptedSite::record(5, Zone));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(1), ScriptedSite::record(9, Zone));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(1), ScriptedSite::record(3, Zone));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(1), ScriptedSite::record(4, 8));
}

struct PointsPick
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    PointsSelector selector{&filters, &group, nullptr};
    QSignalSpy values{&selector, &FilterSelector::valueChanged};

    explicit PointsPick(quint8 zone = Zone, int kind = FilterModel::ZoneLoopPoints)
    {
        filters.selectedPanel = Panel;
        filters.selectedZone = zone;
        filters.setSelectedZones({Zone});
        filters.pointsKind = kind;
    }
    QAbstractItemModel *rows() { return listOf(&selector)->model(); }
    // A row with its own display and address texts, for the counter cases.
    void addTextRow(const QString &name, const QString &address)
    {
        auto *item = new QStandardItem(name);
        item->setData(address, ZoneAddressRole);
        filters.pointsModel.appendRow(item);
    }
};

FilteredModelPointItem *pointItem(quint8 kind, quint8 number, quint8 address, quint8 point)
{
    return new FilteredModelPointItem(Panel, kind, number, address, point, 0, 0, 0, 0, 0, true);
}

} // namespace

// The points selector: its list by the kind and the zone, the button and
// counter for a choice, the choice turned into the point lists commands
// carry, and the address order of its sort proxy.
class tst_PointsSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void init()
    {
        buildPoints();
        // The points of a site are walked only on a panel of a network.
        TeskGlobalConfig::instance()->setPanelNumber(1);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    }

    void listForm_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<int>("zone");
        QTest::addColumn<bool>("multiple");
        QTest::addColumn<bool>("allRow");
        QTest::newRow("zone points, zone chosen") << int(FilterModel::ZoneLoopPoints) << true << 7 << true << true;
        QTest::newRow("zone 0: no all row") << int(FilterModel::ZoneLoopPoints) << true << 0 << true << false;
        QTest::newRow("single choice set") << int(FilterModel::ZoneLoopPoints) << false << 7 << false << false;
        QTest::newRow("kind 6 stays single") << int(FilterModel::PeripheralForce) << true << 7 << false << false;
    }

    void listForm()
    {
        QFETCH(int, kind);
        QFETCH(bool, multi);
        QFETCH(int, zone);
        QFETCH(bool, multiple);
        QFETCH(bool, allRow);
        PointsPick pick(quint8(zone), kind);
        pick.selector.setMultiSelection(multi);
        pick.selector.updateModel();
        auto *editor = qobject_cast<AUK_90048 *>(pick.selector.filterEditor());
        QCOMPARE(editor->objectName(), QStringLiteral("PointsSelector::m_filterEditor"));
        QCOMPARE(editor->listView()->selectionMode() == QAbstractItemView::MultiSelection, multiple);
        QCOMPARE(editor->firstItemSelectAll(), allRow);
        const int pointRows = kind == FilterModel::ZoneLoopPoints ? 3 : 0;
        QCOMPARE(pick.rows()->rowCount(), pointRows + (allRow ? 1 : 0));
        if (allRow) {
            QCOMPARE(pick.rows()->index(0, 0).data().toString(), QStringLiteral("_ALL_LISTITEM"));
            QVERIFY(!pick.rows()->index(0, 0).data(PointRole).isValid());
        }
    }

    // A list kept through a change of kind keeps its rows, so its first row
    // stays a point: a tap on it chooses that point, never every point.
    void keptListKeepsItsFirstRowAPoint()
    {
        PointsPick pick(0);
        pick.selector.setMultiSelection(true);
        pick.selector.updateModel();
        QCOMPARE(pick.rows()->rowCount(), 3);
        pick.filters.pointsKind = FilterModel::KeepPoints;
        pick.selector.updateModel();
        QCOMPARE(pick.rows()->rowCount(), 3);
        tapRow(&pick.selector, 0);
        QCOMPARE(pick.values.last().first().toInt(), 1);
    }

    void counterOfOnePoint_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("counter");
        QTest::newRow("slash left out, two lines") << "/ab12cd34"
                                                   << "ab12\r\ncd34";
        QTest::newRow("two parts") << "ab12cd34"
                                   << "ab12\r\ncd34";
        QTest::newRow("dash keeps one line") << "12-34"
                                             << "12-34";
        QTest::newRow("slash left out, one line") << "/007"
                                                  << "007";
    }

    void counterOfOnePoint()
    {
        QFETCH(QString, address);
        QFETCH(QString, counter);
        PointsPick pick;
        pick.selector.updateModel();
        pick.addTextRow(QStringLiteral("Stair heat"), address);
        tapRow(&pick.selector, pick.rows()->rowCount() - 1);
        QCOMPARE(buttonOf(&pick.selector)->buttonValue(), QStringLiteral("Stair heat"));
        QCOMPARE(buttonOf(&pick.selector)->buttonCounter(), counter);
        QCOMPARE(pick.values.last().first().toInt(), 1);
    }

    void severalPointsShowTheCount()
    {
        PointsPick pick;
        pick.selector.updateModel();
        tapRow(&pick.selector, 1);
        tapRow(&pick.selector, 2);
        QCOMPARE(buttonOf(&pick.selector)->buttonValue(), QStringLiteral("2 _POINTS_SELECTED_SELTEXT"));
        QVERIFY(buttonOf(&pick.selector)->buttonCounter().isEmpty());
        QCOMPARE(pick.values.last().first().toInt(), 2);
        tapRow(&pick.selector, 1);
        tapRow(&pick.selector, 2);
        QVERIFY(buttonOf(&pick.selector)->buttonValue().isEmpty());
        QCOMPARE(pick.values.last().first().toInt(), 0);
    }

    void allRowConvertsToEveryPoint()
    {
        PointsPick pick;
        pick.selector.updateModel();
        tapRow(&pick.selector, 0);
        QCOMPARE(pick.values.last().first().toInt(), 3);
        QCOMPARE(pick.selector.selectedPointsIndividual().count(), 3);
        QCOMPARE(pick.selector.selectedPointsWildCards().size(), 3);
        QVector<SimplePointInfo> points;
        pick.selector.selectedPoints(points);
        QCOMPARE(points.size(), 3);
        // A second call appends: the caller owns the vector.
        pick.selector.selectedPoints(points);
        QCOMPARE(points.size(), 6);
        QCOMPARE(points.mid(3), points.mid(0, 3));
    }

    void pointBytes_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("individual");
        QTest::addColumn<QByteArray>("wildCard");
        // Entries go last first; the wildcard names point, class 127, zone.
        QTest::newRow("layout 1") << 600 << hex("00 02 02 0c 01 03 0c 02 05") << hex("03 02 0c 02 05 7f 00 00 07");
        QTest::newRow("layout 0") << 0 << hex("00 02 02 00 01 03 00 02 05") << hex("03 02 00 02 05 7f 00 00 07");
    }

    void pointBytes()
    {
        QFETCH(int, layout);
        QFETCH(QByteArray, individual);
        QFETCH(QByteArray, wildCard);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(layout);
        PointsPick pick;
        pick.selector.updateModel();
        pick.selector.selectPoint(5);
        QCOMPARE(pick.values.last().first().toInt(), 1);
        QVERIFY(!pick.selector.autoAdvance());
        tapRow(&pick.selector, 3);
        QCOMPARE(pick.rows()->index(3, 0).data(PointRole).toUInt(), 3u);
        SC_PointsIndividual &points = pick.selector.selectedPointsIndividual();
        points.setPanel(Panel);
        QByteArray bytes;
        QCOMPARE(points.loadByteArray(bytes, 0), 0);
        QCOMPARE(bytes, individual);
        const QList<SC_PointsWildCard> &wildCards = pick.selector.selectedPointsWildCards();
        QCOMPARE(wildCards.size(), 2);
        bytes.clear();
        wildCards.first().loadByteArray(bytes, 0);
        QCOMPARE(bytes, wildCard);
    }

    void selectPointOfAnUnlistedNumberChangesNothing()
    {
        PointsPick pick;
        pick.selector.updateModel();
        pick.selector.selectPoint(200);
        QVERIFY(pick.values.isEmpty());
        QVERIFY(selectedRows(&pick.selector).isEmpty());
    }

    void resetEmptiesTheList()
    {
        PointsPick pick;
        pick.selector.updateModel();
        tapRow(&pick.selector, 1);
        pick.values.clear();
        pick.selector.reset(true);
        QCOMPARE(pick.values.size(), 1);
        QCOMPARE(pick.values.first().first().toInt(), 0);
        QCOMPARE(pick.filters.pointsModel.rowCount(), 0);
        QVERIFY(!buttonOf(&pick.selector)->isEnabled());
        QVERIFY(buttonOf(&pick.selector)->buttonValue().isEmpty());
        // The next showing rebuilds the list for the choices then in force.
        pick.filters.selectedZone = 0;
        pick.selector.updateModel();
        QCOMPARE(pick.rows()->rowCount(), 3);
    }

    void sortRoles_data()
    {
        QTest::addColumn<bool>("byLoop");
        QTest::addColumn<bool>("byLogicalZone");
        QTest::addColumn<bool>("logicalAddressing");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("by loop") << true << true << true << int(LoopRole) << int(PointRole);
        QTest::newRow("by logical zone") << false << true << true << int(LogicalZoneRole) << int(ShownPointNumberRole);
        QTest::newRow("logical addressing") << false << false << true << int(ZoneRole) << int(ShownPointNumberRole);
        QTest::newRow("zone and point") << false << false << false << int(ZoneRole) << int(PointRole);
    }

    void sortRoles()
    {
        QFETCH(bool, byLoop);
        QFETCH(bool, byLogicalZone);
        QFETCH(bool, logicalAddressing);
        QFETCH(int, first);
        QFETCH(int, second);
        PointSortProxyModel proxy;
        QCOMPARE(proxy.firstSortRole(), int(LoopRole));
        QCOMPARE(proxy.secondSortRole(), int(PointRole));
        proxy.setSortRoles(byLoop, byLogicalZone, logicalAddressing);
        QCOMPARE(proxy.firstSortRole(), first);
        QCOMPARE(proxy.secondSortRole(), second);
    }

    // Lower channel kind, then loop, channel number and point; the all row
    // first. The tester watches the proxy while its source is rebuilt.
    void sortOrder()
    {
        FilteredPointsModel points(true);
        PointSortProxyModel proxy;
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy.setSourceModel(&points);
        proxy.sort(0, Qt::AscendingOrder);
        for (int round = 0; round < 2; ++round) {
            points.clearModel();
            points.appendRow(pointItem(12, 0, 2, 1));
            points.appendRow(pointItem(12, 1, 1, 9));
            points.appendRow(pointItem(12, 0, 1, 9));
            points.appendRow(pointItem(1, 0, 9, 200));
            points.appendRow(pointItem(12, 0, 1, 3));
            points.insertRow(0, new QStandardItem(QStringLiteral("all")));
            QStringList order;
            for (int row = 0; row < proxy.rowCount(); ++row) {
                const QModelIndex index = proxy.index(row, 0);
                order << (index.data(ChannelNumberRole).isValid() ? QStringLiteral("%1/%2/%3/%4")
                                                                        .arg(index.data(ChannelKindRole).toUInt())
                                                                        .arg(index.data(LoopRole).toUInt())
                                                                        .arg(index.data(ChannelNumberRole).toUInt())
                                                                        .arg(index.data(PointRole).toUInt())
                                                                  : index.data().toString());
            }
            QCOMPARE(order, QStringList({"all", "1/9/0/200", "12/1/0/3", "12/1/0/9", "12/1/1/9", "12/2/0/1"}));
        }
    }

    // The selector's sorted list maps a choice back to the points model.
    void sortedChoiceMapsToThePoint()
    {
        PointsPick pick;
        pick.selector.setSortingEnabled(true);
        QAbstractItemModelTester tester(pick.selector.sortProxy(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        pick.selector.updateModel();
        QCOMPARE(rowValues(&pick.selector, PointRole), QList<uint>({0, 3, 9, 5}));
        tapRow(&pick.selector, 3);
        QVector<SimplePointInfo> points;
        pick.selector.selectedPoints(points);
        QCOMPARE(points.size(), 1);
        QCOMPARE(points.first().point, quint8(5));
        QCOMPARE(points.first().channelAddress, quint8(2));
        QCOMPARE(points.first().channelKind, quint8(12));
        QCOMPARE(points.first().panel, Panel);
        pick.selector.reset(false);
        pick.selector.updateModel();
        QCOMPARE(rowValues(&pick.selector, PointRole), QList<uint>({0, 3, 9, 5}));
    }

    void screenshot_data()
    {
        QTest::addColumn<bool>("oneChosen");
        QTest::addColumn<QString>("name");
        QTest::newRow("two chosen") << false << "AUK_10017_points";
        QTest::newRow("one, its counter on two lines") << true << "AUK_10017_points_one";
    }

    // The points of a zone, two chosen; or one whose address goes onto the
    // button's counter in two lines.
    void screenshot()
    {
        QFETCH(bool, oneChosen);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        page->filters.selectedPanel = Panel;
        page->filters.selectedZone = Zone;
        page->filters.setSelectedZones({Zone});
        page->filters.pointsKind = FilterModel::ZoneLoopPoints;
        auto *points = new PointsSelector(&page->filters, page->buttonGroup(), page);
        points->setSortingEnabled(!oneChosen);
        page->addFilterSelector(points);
        PageStack::instance()->push(page);
        clock.advance(1);
        points->activate();
        if (oneChosen) {
            auto *item = new QStandardItem(QStringLiteral("Stair heat"));
            item->setData(QStringLiteral("L2P015"), ZoneAddressRole);
            page->filters.pointsModel.appendRow(item);
            tapRow(points, listOf(points)->model()->rowCount() - 1);
            QCOMPARE(buttonOf(points)->buttonCounter(), QStringLiteral("L2\r\nP015"));
        } else {
            tapRow(points, 1);
            tapRow(points, 3);
        }
        clock.advance(1);
        page->dressForReview(QStringLiteral("Points"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), name);
    }
};

QTEST_MAIN(tst_PointsSelector)
#include "tst_pointsselector.moc"

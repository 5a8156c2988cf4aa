#include "MessageCapture.h"
#include "PointListModel.h"
#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "pointmodels/AllPointsFacade.h"
#include "pointmodels/CountFacade.h"
#include "pointmodels/LoopCfgFilter.h"
#include "pointmodels/LoopPointsFacade.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/MultiModelFacade.h"
#include "pointmodels/MultiModelFilterFacade.h"
#include "pointmodels/ZoneCfgFilter.h"
#include "pointmodels/model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Filter = QSharedPointer<SimplePointFilter>;
using ScriptedSite::addPoint;
using ScriptedSite::loop;
using ScriptedSite::record;

namespace {

Filter zones(QList<quint8> list)
{
    return Filter(new ZoneCfgFilter(list));
}

Filter everyPoint()
{
    return zones({});
}

Filter onLoop(quint8 number)
{
    return Filter(new LoopCfgFilter(number, false));
}

// Counts what a facade offers, without rows.
class OfferLog final : public CountModel
{
public:
    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override
    {
        offers << QStringLiteral("%1/%2/%3/%4/%5")
                      .arg(panel)
                      .arg(channel->kind())
                      .arg(channel->number())
                      .arg(channel->address())
                      .arg(record->pointNumber);
        last = *record;
    }
    QStringList offers;
    PointAddressKey last;
};

class TestedModel final
{
public:
    TestedModel()
        : tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
    }
    PointListModel model;
    QAbstractItemModelTester tester;
};

void setLocalPanel(quint8 panel)
{
    TeskGlobalConfig::instance()->setPanelNumber(panel);
}

// Panels 0, 1, 50 and 99 with points on loops 1 and 2 and one off-loop point.
void scriptNetwork()
{
    for (const quint8 panel : {0, 1, 50, 99}) {
        addPoint(panel, loop(2), record(7, 3));
        addPoint(panel, loop(1), record(1, 3));
        addPoint(panel, loop(1), record(2, 4));
        addPoint(panel, ChannelAddress(5, 0, 1), record(9, 3));
    }
}

} // namespace

class TestPointFacades final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void panelRange_data();
    void panelRange();
    void walk_panelByPanelInConfigurationOrder();
    void walk_allPanelsLeavesOutPanel0();
    void walk_engineOffNetworkWalksPanel0();
    void modelFacade_withoutChain_leavesModelEmpty();
    void modelFacade_setModelClearsAndDropsChain();
    void modelFacade_setModelAndFilterKeepsRows();
    void multiModel_oneWalkFillsEveryList();
    void multiModel_pairWithoutChain_walksNothing();
    void multiModel_setModelSetPairsAddPair();
    void multiModelFilter_gate();
    void allPoints_data();
    void allPoints();
    void allPoints_recordNamesNoDevice();
    void countFacade_countsAcceptedPoints();
    void loopPointsFacade_appendsAcceptedAddresses();
    void nestedWalk_isRefusedAndOuterWalkCompletes();
    void pointQueriesDuringWalk_leaveWalkWhole();

    void countModel_roleNamesAndDefaults();
    void countModel_emitCount();
    void countModel_clearModel_removesFirstRowThenResets();
    void countModel_clearEmptyModel();
    void countModel_plainModelIgnoresPoints();
    void countModel_oneRowUpdate_doesNotReset();

private:
    QTemporaryDir m_dataDirectory;
};

void TestPointFacades::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestPointFacades::init()
{
    ScriptedSite::reset();
}

void TestPointFacades::panelRange_data()
{
    QTest::addColumn<quint8>("local");
    QTest::addColumn<quint8>("requested");
    QTest::addColumn<quint8>("first");
    QTest::addColumn<quint8>("last");
    QTest::newRow("off network, panel 5") << quint8(0) << quint8(5) << quint8(0) << quint8(0);
    QTest::newRow("off network, all panels") << quint8(0) << quint8(255) << quint8(0) << quint8(0);
    QTest::newRow("network, panel 5") << quint8(3) << quint8(5) << quint8(5) << quint8(5);
    QTest::newRow("network, panel 0") << quint8(3) << quint8(0) << quint8(0) << quint8(0);
    QTest::newRow("network, panel 99") << quint8(3) << quint8(99) << quint8(99) << quint8(99);
    QTest::newRow("network, all panels") << quint8(3) << quint8(255) << quint8(1) << quint8(99);
    QTest::newRow("network, panel 150") << quint8(3) << quint8(150) << quint8(0) << quint8(0);
    QTest::newRow("network, panel 254") << quint8(3) << quint8(254) << quint8(0) << quint8(0);
}

void TestPointFacades::panelRange()
{
    QFETCH(quint8, local);
    QFETCH(quint8, requested);
    QFETCH(quint8, first);
    QFETCH(quint8, last);
    setLocalPanel(local);
    int counter = 0;
    const CountFacade facade(requested, &counter);
    QCOMPARE(facade.firstPanel(), first);
    QCOMPARE(facade.lastPanel(), last);
}

void TestPointFacades::walk_panelByPanelInConfigurationOrder()
{
    setLocalPanel(3);
    scriptNetwork();
    TestedModel tested;
    ModelFacade facade(&tested.model, everyPoint(), 50);
    facade.run();
    QCOMPARE(tested.model.addresses(), QStringList({"50/12/0/2/7", "50/12/0/1/1", "50/12/0/1/2", "50/5/1/0/9"}));
    QCOMPARE(tested.model.item(1)->data(PointListModel::ZoneRole).toInt(), 3);
}

void TestPointFacades::walk_allPanelsLeavesOutPanel0()
{
    setLocalPanel(3);
    scriptNetwork();
    TestedModel tested;
    ModelFacade facade(&tested.model, onLoop(1), 255);
    facade.run();
    QCOMPARE(tested.model.addresses(),
             QStringList({"1/12/0/1/1", "1/12/0/1/2", "50/12/0/1/1", "50/12/0/1/2", "99/12/0/1/1", "99/12/0/1/2"}));
}

void TestPointFacades::walk_engineOffNetworkWalksPanel0()
{
    scriptNetwork();
    TestedModel tested;
    ModelFacade facade(&tested.model, zones({4}), 5);
    facade.run();
    QCOMPARE(tested.model.addresses(), QStringList({"0/12/0/1/2"}));
}

void TestPointFacades::modelFacade_withoutChain_leavesModelEmpty()
{
    scriptNetwork();
    TestedModel tested;
    tested.model.addPointDetails(0, 12, 0, 1, 1);
    ModelFacade facade(&tested.model, 0);
    QCOMPARE(tested.model.rowCount(), 0);
    QVERIFY(facade.hasNoFilter());
    facade.run();
    QCOMPARE(tested.model.rowCount(), 0);
}

void TestPointFacades::modelFacade_setModelClearsAndDropsChain()
{
    scriptNetwork();
    TestedModel first;
    TestedModel second;
    second.model.addPointDetails(0, 12, 0, 1, 1);
    ModelFacade facade(&first.model, everyPoint(), 0);
    facade.setModel(&second.model);
    QCOMPARE(second.model.rowCount(), 0);
    QVERIFY(facade.hasNoFilter());
    facade.run();
    QCOMPARE(second.model.rowCount(), 0);
    facade.setFilter(zones({3}));
    facade.run();
    QCOMPARE(second.model.rowCount(), 3);
    QCOMPARE(first.model.rowCount(), 0);
}

void TestPointFacades::modelFacade_setModelAndFilterKeepsRows()
{
    scriptNetwork();
    TestedModel first;
    TestedModel second;
    second.model.addPointDetails(9, 12, 0, 1, 1);
    ModelFacade facade(&first.model, 0);
    facade.setModelAndFilter(&second.model, zones({4}));
    facade.run();
    QCOMPARE(second.model.addresses(), QStringList({"9/12/0/1/1", "0/12/0/1/2"}));
}

void TestPointFacades::multiModel_oneWalkFillsEveryList()
{
    scriptNetwork();
    TestedModel zone3;
    TestedModel loop1;
    TestedModel stale;
    stale.model.addPointDetails(0, 12, 0, 1, 1);
    MultiModelFacade facade({{&zone3.model, zones({3})}, {&loop1.model, onLoop(1)}}, 0);
    facade.addPair(&stale.model, zones({4}));
    facade.setFilter(Filter());
    facade.run();
    QCOMPARE(zone3.model.addresses(), QStringList({"0/12/0/2/7", "0/12/0/1/1", "0/5/1/0/9"}));
    QCOMPARE(loop1.model.addresses(), QStringList({"0/12/0/1/1", "0/12/0/1/2"}));
    QCOMPARE(stale.model.addresses(), QStringList({"0/12/0/1/1", "0/12/0/1/2"}));
}

void TestPointFacades::multiModel_pairWithoutChain_walksNothing()
{
    scriptNetwork();
    TestedModel zone3;
    TestedModel open;
    MultiModelFacade facade({{&zone3.model, zones({3})}, {&open.model, Filter()}}, 0);
    QVERIFY(facade.hasNoFilter());
    facade.run();
    QCOMPARE(zone3.model.rowCount(), 0);
    QCOMPARE(open.model.rowCount(), 0);
}

void TestPointFacades::multiModel_setModelSetPairsAddPair()
{
    scriptNetwork();
    TestedModel a;
    TestedModel b;
    a.model.addPointDetails(1, 12, 0, 1, 1);
    b.model.addPointDetails(1, 12, 0, 1, 1);
    MultiModelFacade facade({}, 0);
    QCOMPARE(a.model.rowCount(), 1);
    facade.setModel(&a.model);
    QCOMPARE(a.model.rowCount(), 0);
    QCOMPARE(facade.pairs().size(), 1);
    QVERIFY(facade.hasNoFilter());

    facade.setPairs({{&b.model, zones({4})}});
    QCOMPARE(b.model.rowCount(), 0);
    facade.run();
    QCOMPARE(b.model.addresses(), QStringList({"0/12/0/1/2"}));
    QCOMPARE(a.model.rowCount(), 0);
}

void TestPointFacades::multiModelFilter_gate()
{
    scriptNetwork();
    TestedModel main;
    TestedModel zone4;
    main.model.addPointDetails(7, 12, 0, 1, 1);
    MultiModelFilterFacade facade(&main.model, {{&zone4.model, zones({4})}}, 0);
    QCOMPARE(main.model.rowCount(), 1);
    // Without a gate nothing is walked.
    facade.run();
    QCOMPARE(main.model.rowCount(), 1);

    facade.setFilter(onLoop(1));
    facade.run();
    // The gate lets loop 1 through: both of its points reach the main
    // model, only the zone-4 one the pair; the rest reach nothing.
    QCOMPARE(main.model.addresses(), QStringList({"7/12/0/1/1", "0/12/0/1/1", "0/12/0/1/2"}));
    QCOMPARE(zone4.model.addresses(), QStringList({"0/12/0/1/2"}));
}

void TestPointFacades::allPoints_data()
{
    QTest::addColumn<quint8>("number");
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("address");
    QTest::addColumn<quint8>("point");
    QTest::addColumn<int>("offers");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("every loop") << quint8(0) << quint8(12) << quint8(40) << quint8(255) << 32 * 241 << "0/12/0/1/0"
                                << "0/12/0/32/240";
    QTest::newRow("loop 3 split at 100") << quint8(0) << quint8(12) << quint8(3) << quint8(255) << 100 << "0/12/0/3/1"
                                         << "0/12/0/3/100";
    QTest::newRow("loop 4, second of the split")
        << quint8(0) << quint8(12) << quint8(4) << quint8(255) << 150 << "0/12/0/4/101"
        << "0/12/0/4/250";
    QTest::newRow("unpaired loop 5") << quint8(0) << quint8(12) << quint8(5) << quint8(255) << 1 << "0/12/0/5/0"
                                     << "0/12/0/5/0";
    QTest::newRow("one point of loop 3") << quint8(0) << quint8(12) << quint8(3) << quint8(7) << 1 << "0/12/0/3/7"
                                         << "0/12/0/3/7";
    QTest::newRow("channel number 9") << quint8(9) << quint8(12) << quint8(5) << quint8(7) << 8 << "0/12/0/5/7"
                                      << "0/12/7/5/7";
    QTest::newRow("channel number 3") << quint8(3) << quint8(12) << quint8(5) << quint8(7) << 1 << "0/12/3/5/7"
                                      << "0/12/3/5/7";
    QTest::newRow("kind 13, address 5") << quint8(0) << quint8(13) << quint8(5) << quint8(7) << 3 << "0/12/0/1/7"
                                        << "0/12/0/3/7";
    QTest::newRow("kind 13, address 2") << quint8(0) << quint8(13) << quint8(2) << quint8(7) << 1 << "0/12/0/2/7"
                                        << "0/12/0/2/7";
}

void TestPointFacades::allPoints()
{
    QFETCH(quint8, number);
    QFETCH(quint8, kind);
    QFETCH(quint8, address);
    QFETCH(quint8, point);
    QFETCH(int, offers);
    QFETCH(QString, first);
    QFETCH(QString, last);
    LoopDriverConfiguration *drivers = LoopDriverConfiguration::instance();
    LoopDriverRecord loop3;
    loop3.loopNumber = 3;
    loop3.driverType = 100;
    loop3.pairing = 1;
    drivers->addLoopDriver(0, loop3);
    LoopDriverRecord loop4 = loop3;
    loop4.loopNumber = 4;
    loop4.pairing = 2;
    drivers->addLoopDriver(0, loop4);

    OfferLog log;
    QAbstractItemModelTester tester(&log, QAbstractItemModelTester::FailureReportingMode::QtTest);
    AllPointsFacade facade(&log, everyPoint(), 0, number, kind, address, point);
    facade.run();
    QCOMPARE(log.offers.size(), offers);
    QCOMPARE(log.offers.first(), first);
    QCOMPARE(log.offers.last(), last);
}

void TestPointFacades::allPoints_recordNamesNoDevice()
{
    OfferLog log;
    AllPointsFacade withoutChain(&log, Filter(), 0, 0, 12, 3, 7);
    withoutChain.run();
    QVERIFY(log.offers.isEmpty());
    AllPointsFacade facade(&log, everyPoint(), 0, 0, 12, 3, 7);
    facade.run();
    QCOMPARE(log.last, PointAddressKey(7, 254, 127, 0, 0xFFFFFFFFu, 251));
}

void TestPointFacades::countFacade_countsAcceptedPoints()
{
    scriptNetwork();
    int counter = 10;
    CountFacade facade(0, &counter);
    facade.run();
    QCOMPARE(counter, 10);
    facade.setFilter(zones({3}));
    facade.run();
    QCOMPARE(counter, 13);

    CountFacade noCounter(0, nullptr);
    noCounter.setFilter(everyPoint());
    noCounter.run();
}

void TestPointFacades::loopPointsFacade_appendsAcceptedAddresses()
{
    setLocalPanel(3);
    scriptNetwork();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SC_PointsIndividual list;
    LoopPointsFacade facade(50, &list);
    facade.setFilter(onLoop(1));
    facade.run();
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.points().at(0), PointIndividualAddress(12, 1, 0, 1));
    QCOMPARE(list.points().at(1), PointIndividualAddress(12, 1, 0, 2));
}

void TestPointFacades::nestedWalk_isRefusedAndOuterWalkCompletes()
{
    scriptNetwork();
    TestedModel tested;
    int nested = 0;
    tested.model.onAdd = [&nested] {
        CountFacade inner(0, &nested);
        inner.setFilter(everyPoint());
        inner.run();
    };
    MessageCapture capture;
    ModelFacade facade(&tested.model, everyPoint(), 0);
    facade.run();
    QCOMPARE(tested.model.rowCount(), 4);
    QCOMPARE(nested, 0);
    QCOMPARE(capture.warnings().size(), 4);
}

void TestPointFacades::pointQueriesDuringWalk_leaveWalkWhole()
{
    scriptNetwork();
    TestedModel tested;
    QList<quint8> zonesSeen;
    tested.model.onAdd = [&zonesSeen] { zonesSeen << model::instance()->pointZone(0, 12, 0, 1, 2); };
    ModelFacade facade(&tested.model, everyPoint(), 0);
    facade.run();
    QCOMPARE(tested.model.rowCount(), 4);
    QCOMPARE(zonesSeen, QList<quint8>({4, 4, 4, 4}));
}

void TestPointFacades::countModel_roleNamesAndDefaults()
{
    const CountModel plain;
    const QHash<int, QByteArray> roles = plain.roleNames();
    QCOMPARE(roles.size(), 1);
    QVERIFY(roles.contains(32));
    QVERIFY(roles.value(32).isEmpty());
    QCOMPARE(plain.functionMask(), -1);
    QVERIFY(!plain.isFunctionFilterOn());
}

void TestPointFacades::countModel_emitCount()
{
    CountModel plain;
    QSignalSpy counts(&plain, &CountModel::countResult);
    plain.emitCount(0);
    plain.emitCount(1234);
    QCOMPARE(counts.size(), 2);
    QCOMPARE(counts.at(0).at(0).toString(), QStringLiteral("0"));
    QCOMPARE(counts.at(1).at(0).toString(), QStringLiteral("1234"));
}

void TestPointFacades::countModel_clearModel_removesFirstRowThenResets()
{
    TestedModel tested;
    tested.model.addPointDetails(0, 12, 0, 1, 1);
    tested.model.addPointDetails(0, 12, 0, 1, 2);
    tested.model.setHorizontalHeaderLabels({"Address"});
    QStringList events;
    connect(&tested.model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [&events](const QModelIndex &, int first, int last) {
                events << QStringLiteral("remove %1-%2").arg(first).arg(last);
            });
    connect(&tested.model, &QAbstractItemModel::modelReset, this, [&events] { events << "reset"; });
    tested.model.clearModel();
    QCOMPARE(events, QStringList({"remove 0-0", "reset"}));
    QCOMPARE(tested.model.rowCount(), 0);
    QCOMPARE(tested.model.columnCount(), 0);
}

void TestPointFacades::countModel_clearEmptyModel()
{
    TestedModel tested;
    QSignalSpy removed(&tested.model, &QAbstractItemModel::rowsAboutToBeRemoved);
    MessageCapture capture;
    tested.model.clearModel();
    QCOMPARE(tested.model.rowCount(), 0);
    QCOMPARE(removed.size(), 0);
    QVERIFY(capture.warnings().isEmpty());
}

void TestPointFacades::countModel_plainModelIgnoresPoints()
{
    scriptNetwork();
    CountModel plain;
    QAbstractItemModelTester tester(&plain, QAbstractItemModelTester::FailureReportingMode::QtTest);
    ModelFacade facade(&plain, everyPoint(), 0);
    facade.run();
    plain.addPointDetails(0, 12, 0, 1, 1);
    QCOMPARE(plain.rowCount(), 0);
}

void TestPointFacades::countModel_oneRowUpdate_doesNotReset()
{
    scriptNetwork();
    TestedModel tested;
    ModelFacade facade(&tested.model, everyPoint(), 0);
    facade.run();
    QSignalSpy reset(&tested.model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&tested.model, &QAbstractItemModel::dataChanged);
    tested.model.item(2)->setData(9, PointListModel::ZoneRole);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 2);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 2);
}

QTEST_MAIN(TestPointFacades)
#include "tst_pointfacades.moc"

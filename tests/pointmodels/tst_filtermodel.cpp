#include "../eventlog/EventFixtures.h"
#include "MessageCapture.h"
#include "ScriptedSite.h"
#include "core/BucketKeys.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/CachedModifiedPoints.h"
#include "paneldata/KeyOrderedDeviceUses.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SWVersions.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace FilteredRoles;
using Setup = std::function<void(FilterModel &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

constexpr quint8 Panel = 3;
constexpr int DeviceDescriptionsBucket = 12;
constexpr int Faults = 1 << 4;

// The point lists' site, panel 3: three loops, the channels a task never
// takes (numbers 1, 5 and 6), a local channel and a pseudo channel.
void buildSite()
{
    using ScriptedSite::loop;
    using ScriptedSite::record;
    const auto add = [](const ChannelAddress &channel, const PointAddressKey &point) {
        ScriptedSite::addPoint(Panel, channel, point);
    };
    add(loop(1), record(1, 2, 5, 0x03, 0x01));
    add(loop(1), record(2, 1, 5, 0x05, 0x08));
    add(loop(1), record(3, 2, 7, 0x07, 0x02));
    add(loop(1), record(4, 1, 5, 0x02, 0x01));
    add(loop(2), record(5, 3, 9, 0x03, 0x01));
    add(loop(2), record(6, 1, 5, 0x0B, 0x01));
    add(loop(3), record(7, 1, 5, 0x03, 0x04));
    add(ChannelAddress(12, 1, 1), record(8, 1, 5, 0x03, 0x01));
    add(ChannelAddress(12, 1, 5), record(9, 1, 5, 0x03, 0x01));
    add(ChannelAddress(0, 0, 6), record(10, 1, 5, 0x03, 0x01));
    add(ChannelAddress(0, 2, 0), record(11, 4, 5, 0x03, 0x01));
    add(ChannelAddress(13, 1, 0), record(12, 0, 5, 0x03, 0x01));
}

void setMapPoints(int page, quint8 panel, const ChannelAddress &channel, const QList<int> &points)
{
    QBitArray bits(256);
    for (int point : points)
        bits.setBit(point);
    PointDataMapsConfiguration::instance()->setChannelPoints(page, panel, channel, bits);
}

void setPanel(quint8 panel, quint8 zoneLimit, const QString &name)
{
    PanelRecord record;
    record.zoneLimit = zoneLimit;
    record.panelName1 = name;
    record.printers = {PrinterEntry{2, 0, 7, 0, QStringLiteral("Desk"), QString()},
                       PrinterEntry{5, 0, 8, 0, QStringLiteral("Store"), QString()}};
    PanelConfiguration::instance()->setPanelRecord(panel, record);
}

void shutDownLoops(const char *bits)
{
    ScriptedSite::setValue(SC_SyncPageIDS::eCommissioning, BucketKeys::panelKey(Panel, BucketKeys::loopShtDwn), bits);
}

QString rowText(const QModelIndex &index)
{
    const uint kind = index.data(ChannelKindRole).toUInt();
    const uint number = index.data(ChannelNumberRole).toUInt();
    const uint address = index.data(LoopRole).toUInt();
    const uint point = index.data(PointRole).toUInt();
    if (kind == 12 && number == 0)
        return QStringLiteral("L%1/%2").arg(address).arg(point);
    return QStringLiteral("%1.%2.%3/%4").arg(kind).arg(number).arg(address).arg(point);
}

QStringList rowsOf(const QAbstractItemModel &model, int role = -1)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        rows << (role < 0 ? rowText(index) : index.data(role).toString());
    }
    return rows;
}

EventLog::EventData loopEvent(EventLog::SeqNum_t seqNo, quint8 node, quint8 zone, quint8 loop, quint8 point,
                              quint8 category = EventLog::CategoryFault)
{
    EventLog::EventData event = EventFixtures::makeEvent(seqNo, category, node, zone, point);
    event.channel = 12;
    event.channelAddr = loop;
    return event;
}

void setDeviceUses(const QList<QPair<int, QString>> &uses)
{
    for (const auto &use : uses)
        ScriptedSite::setValue(SC_SyncPageIDS::eDeviceUsesTable, QString::number(use.first), use.second);
    KeyOrderedDeviceUses::instance()->updateOrderedDeviceUses();
}

QList<int> sorted(const QSet<quint8> &set)
{
    QList<int> list;
    for (quint8 value : set)
        list << value;
    std::sort(list.begin(), list.end());
    return list;
}

QList<int> span(int first, int last, const QList<int> &without = {})
{
    QList<int> list;
    for (int value = first; value <= last; ++value) {
        if (!without.contains(value))
            list << value;
    }
    return list;
}

} // namespace

class TestFilterModel final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void construction();
    void fillPanels_data();
    void fillPanels();
    void fillPanelsFromList_keepsTheListsOrder();
    void fillZones_data();
    void fillZones();
    void logicalZones_filteredByPanel();
    void fillTasks_onlyTasks1To10();
    void fillLoops_data();
    void fillLoops();
    void fillPrinters();
    void fillDevicesOfZones_data();
    void fillDevicesOfZones();
    void setZone_makesTheZoneList();
    void resetCommissioningTasksModel_namesTheMissingModel();

    void rebuildPointsForKind_data();
    void rebuildPointsForKind();
    void rebuildPointsForKind_setsTheTaskActions_data();
    void rebuildPointsForKind_setsTheTaskActions();

    void addressSets_multiAddressDevice();
    void addressSets_deletionFreesTheDevice();
    void addressSpan_data();
    void addressSpan();
    void updateAddressCount_followsTheCachedChange();
    void deviceUses_noneWiderThanTheSpan_data();
    void deviceUses_noneWiderThanTheSpan();
    void fillDevices_fittingTypesByDescription();
    void logicalNumbers_offAsLogicalAddressingIsOff();
    void logicalNumbers_onlyTheLatestSelectionAscending();
    void logicalNumbers_cachedChangesCount();
    void loadSelectedPointSettings_data();
    void loadSelectedPointSettings();

    void plainModels_underTheModelTester();

private:
    QTemporaryDir m_dataDirectory;
};

void TestFilterModel::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
    // The event log of kinds 8 and 9: faults of panel 3 in zones 2 and 1,
    // a restored one, a warning and a fault of another panel.
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    QVERIFY(log->isUsable());
    const QList<EventLog::EventData> events = {
        loopEvent(1, Panel, 2, 1, 1),    loopEvent(2, Panel, 1, 1, 2), loopEvent(3, Panel, 1, 1, 2),
        loopEvent(4, Panel, 3, 2, 5, 6), loopEvent(5, 4, 1, 1, 3),
    };
    for (const EventLog::EventData &event : events)
        QVERIFY(log->insertData(&event, false));
    const EventLog::EventData restored = loopEvent(6, Panel, 1, 3, 7);
    QVERIFY(log->insertData(&restored, false));
    QSqlQuery restoral;
    QVERIFY(restoral.exec(QStringLiteral("UPDATE EventLog SET restoredEventStatus = 1 WHERE seqNo = 6")));
}

void TestFilterModel::init()
{
    ScriptedSite::reset();
    CachedModifiedPoints::instance()->clearCachedList();
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setCurrentLang(1);
    config->setLogicalAddr(false);
    config->setLogicalZones(false);
    WalkTestHandler::instance()->reset();
    buildSite();
    for (quint8 panel : {1, 2, 3, 4, 5})
        setPanel(panel, 4, QStringLiteral("Panel %1").arg(panel));
}

void TestFilterModel::cleanupTestCase()
{
    EL_EventLogDBbase::destroyInstance();
}

void TestFilterModel::construction()
{
    FilterModel filters(nullptr, true);
    QVERIFY(filters.pointsModel.showsPointNumbers());
    QCOMPARE(int(filters.selectedPanel), 0);
    QCOMPARE(int(filters.selectedZone), 254);
    QCOMPARE(filters.direction, 3);
    QCOMPARE(filters.channelKind, 12);
    QCOMPARE(int(filters.pointAddress), 254);
    QCOMPARE(filters.walkTestTypeBit, -1);
    QCOMPARE(filters.walkTestDeviceClass, 17);
    QCOMPARE(filters.permissionLevel, 0);
    QCOMPARE(int(filters.attributeMask), 0);
    QCOMPARE(int(filters.deviceUse), 2049);
    QCOMPARE(int(filters.logicalPointNumber), 251);
    QCOMPARE(int(filters.deviceType), 128);
    QVERIFY(filters.zone0Allowed);
    QVERIFY(filters.extendOverFreeAddresses);
    QCOMPARE(filters.loopListMode(), 0);
    QVERIFY(!FilterModel(nullptr, false).pointsModel.showsPointNumbers());
}

void TestFilterModel::fillPanels_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("panels");
    QTest::newRow("every option off") << Setup([](FilterModel &) {}) << QStringList{"1", "3", "4", "5"};
    QTest::newRow("no type 6") << Setup([](FilterModel &m) { m.hideEquipmentType6 = true; })
                               << QStringList{"1", "3", "5"};
    QTest::newRow("no types 1 and 5") << Setup([](FilterModel &m) { m.hideEquipmentTypes1And5 = true; })
                                      << QStringList{"1", "3", "4"};
    QTest::newRow("none in walk test") << Setup([](FilterModel &m) { m.hidePanelsInWalkTest = true; })
                                       << QStringList{"1", "4", "5"};
}

void TestFilterModel::fillPanels()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, panels);
    // Panel 2 does not answer; 4 is of type 6, 5 of type 1; 3 is in walk test.
    setMapPoints(134, 1, ChannelAddress(15, 0, 1), {2});
    SWVersions::instance()->addEquipment(4, 1, 6, 0, 0, {});
    SWVersions::instance()->addEquipment(5, 1, 1, 0, 0, {});
    WalkTestHandler::instance()->updateSummary(3, 255, 1, 0, {}, QBitArray(), 0);
    FilterModel filters(nullptr, false);
    setup(filters);
    filters.fillPanels();
    QCOMPARE(rowsOf(filters.panelsModel, PanelRole), panels);
    QCOMPARE(filters.panelsModel.index(0, 0).data().toString(), QStringLiteral("Panel 1"));
    filters.fillPanels();
    QCOMPARE(rowsOf(filters.panelsModel, PanelRole), panels);
}

void TestFilterModel::fillPanelsFromList_keepsTheListsOrder()
{
    FilterModel filters(nullptr, false);
    filters.fillPanelsFromList({5, 2, 9});
    QCOMPARE(rowsOf(filters.networkPanelsModel, PanelRole), (QStringList{"5", "2", "9"}));
    filters.fillPanelsFromList({4});
    QCOMPARE(rowsOf(filters.networkPanelsModel, PanelRole), QStringList{"4"});
}

void TestFilterModel::fillZones_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("zones");
    QTest::newRow("first-point order, once each") << Setup([](FilterModel &) {}) << QStringList{"2", "1", "3", "0"};
    QTest::newRow("no zone 0") << Setup([](FilterModel &m) { m.zone0Allowed = false; }) << QStringList{"2", "1", "3"};
    QTest::newRow("zone 0 for allowed functions") << Setup([](FilterModel &m) {
        m.zone0Allowed = false;
        m.allowedFunctionsInForce = true;
    }) << QStringList{"2", "1", "3", "0"};
    QTest::newRow("zone limit 0") << Setup([](FilterModel &) { setPanel(Panel, 0, QStringLiteral("None")); })
                                  << QStringList{};
    QTest::newRow("zone limit 3") << Setup([](FilterModel &) { setPanel(Panel, 3, QStringLiteral("Three")); })
                                  << QStringList{"2", "1", "0"};
    QTest::newRow("panel without record") << Setup([](FilterModel &m) { m.selectedPanel = 6; }) << QStringList{};
}

void TestFilterModel::fillZones()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, zones);
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    setup(filters);
    filters.fillZones();
    QCOMPARE(rowsOf(filters.zonesModel, ZoneRole), zones);
    for (int row = 0; row < filters.zonesModel.rowCount(); ++row)
        QCOMPARE(filters.zonesModel.index(row, 0).data(PanelRole).toInt(), int(filters.selectedPanel));
}

void TestFilterModel::logicalZones_filteredByPanel()
{
    for (const char *key : {"3|1|301", "3|2|0", "5|1|501", "5|2|502", "2|1|201", "4|0|400", "bad|key", "3|9"})
        ScriptedSite::setValue(SC_SyncPageIDS::eLogicalZoneConfiguration, key, "x");
    // Panel 2 does not answer: its logical zones are never offered.
    setMapPoints(134, 1, ChannelAddress(15, 0, 1), {2});
    FilterModel filters(nullptr, false);
    filters.zone0Allowed = false;
    filters.fillLogicalZones();
    QCOMPARE(filters.zonesModel.rowCount(), 4);
    filters.filterLogicalZonesByPanel(5);
    QStringList kept;
    for (int row = 0; row < filters.zonesModel.rowCount(); ++row) {
        const QModelIndex index = filters.zonesModel.index(row, 0);
        kept << QStringLiteral("%1|%2").arg(index.data(PanelRole).toInt()).arg(index.data(LogicalZoneRole).toInt());
    }
    kept.sort();
    QCOMPARE(kept, (QStringList{"3|0", "5|501", "5|502"}));
    filters.filterLogicalZonesByPanel(3);
    QCOMPARE(rowsOf(filters.zonesModel, LogicalZoneRole).size(), 2);
    QVERIFY(rowsOf(filters.zonesModel, LogicalZoneRole).contains("301"));
    filters.zone0Allowed = true;
    filters.fillLogicalZones();
    QCOMPARE(filters.zonesModel.rowCount(), 5);
}

void TestFilterModel::fillTasks_onlyTasks1To10()
{
    setMapPoints(13, Panel, ChannelAddress(0, 0, 4), {0, 1, 3, 10, 11, 200});
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.fillTasks();
    QCOMPARE(rowsOf(filters.tasksModel, PointRole), (QStringList{"1", "3", "10"}));
    filters.selectedPanel = 4;
    filters.fillTasks();
    QCOMPARE(filters.tasksModel.rowCount(), 0);
}

void TestFilterModel::fillLoops_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("shutDownRecord");
    QTest::addColumn<QStringList>("loops");
    QTest::addColumn<QStringList>("shutDown");
    QTest::newRow("all loops") << 0 << QByteArray("0110") << QStringList{"1", "2", "3"} << QStringList{};
    QTest::newRow("shut down") << 1 << QByteArray("0110") << QStringList{} << QStringList{"1", "2"};
    QTest::newRow("in service") << 2 << QByteArray("0110") << QStringList{"3"} << QStringList{};
    QTest::newRow("shut down, no record") << 1 << QByteArray() << QStringList{} << QStringList{};
    QTest::newRow("in service, no record") << 2 << QByteArray() << QStringList{"1", "2", "3"} << QStringList{};
}

void TestFilterModel::fillLoops()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, shutDownRecord);
    QFETCH(QStringList, loops);
    QFETCH(QStringList, shutDown);
    QBitArray configured(255);
    for (int loop : {3, 1, 2})
        configured.setBit(loop);
    LoopDriverConfiguration::instance()->setPanelLoopBits(Panel, configured);
    if (!shutDownRecord.isEmpty())
        shutDownLoops(shutDownRecord.constData());
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.setLoopListMode(mode);
    filters.fillLoopsForMode();
    QCOMPARE(rowsOf(*filters.loopsModel(), LoopRole), loops);
    QCOMPARE(rowsOf(*filters.shutDownLoopsModel(), LoopRole), shutDown);
    for (QStandardItemModel *listed : {filters.loopsModel(), filters.shutDownLoopsModel()}) {
        for (int row = 0; row < listed->rowCount(); ++row)
            QVERIFY(!listed->index(row, 0).data().toString().isEmpty());
    }
}

void TestFilterModel::fillPrinters()
{
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.fillPrinters();
    QCOMPARE(rowsOf(filters.printersModel, Qt::DisplayRole), (QStringList{"Desk", "Store"}));
    QCOMPARE(rowsOf(filters.printersModel, PrinterNumberRole), (QStringList{"2", "5"}));
    QCOMPARE(rowsOf(filters.printersModel, PrinterByteRole), (QStringList{"7", "8"}));
    filters.selectedPanel = 9;
    filters.fillPrinters();
    QCOMPARE(filters.printersModel.rowCount(), 0);
}

void TestFilterModel::fillDevicesOfZones_data()
{
    QTest::addColumn<QList<quint8>>("zones");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("every zone") << QList<quint8>{} << QStringList{"5", "7", "9"};
    QTest::newRow("zone 2") << QList<quint8>{2} << QStringList{"5", "7"};
    QTest::newRow("zone 3") << QList<quint8>{3} << QStringList{"9"};
    QTest::newRow("zone 99") << QList<quint8>{99} << QStringList{};
}

void TestFilterModel::fillDevicesOfZones()
{
    QFETCH(QList<quint8>, zones);
    QFETCH(QStringList, types);
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.setSelectedZones({1});
    filters.fillDevicesOfZones();
    filters.setSelectedZones(zones);
    filters.fillDevicesOfZones();
    QCOMPARE(rowsOf(filters.devicesModel, DeviceTypeRole), types);
}

void TestFilterModel::setZone_makesTheZoneList()
{
    FilterModel filters(nullptr, false);
    filters.setSelectedZones({1, 2, 3});
    filters.setZone(4);
    QCOMPARE(int(filters.selectedZone), 4);
    QCOMPARE(filters.selectedZones(), QList<quint8>{4});
}

void TestFilterModel::resetCommissioningTasksModel_namesTheMissingModel()
{
    FilterModel filters(nullptr, false);
    QSignalSpy relay(&filters, &FilterModel::CommissioningRSMForcedDataUpdated);
    MessageCapture capture;
    filters.resetCommissioningTasksModel();
    QVERIFY(capture.contains("CommissioningTasksModel"));
    QCOMPARE(relay.count(), 0);
}

void TestFilterModel::rebuildPointsForKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("points");

    const auto row = [](const char *name, int kind, Setup setup, const QStringList &points) {
        QTest::newRow(name) << kind << setup << points;
    };
    const Setup nothing = [](FilterModel &) {};
    row("1 force on, inputs", 1,
        [](FilterModel &m) {
            m.forceAction = 1;
            m.direction = 1;
            setMapPoints(140, Panel, ScriptedSite::loop(1), {1});
        },
        {"L1/3", "L1/4", "L2/5", "L2/6", "L3/7", "0.0.2/11", "13.0.1/12"});
    row("2 empty zone list: every eligible point", 2, [](FilterModel &m) { m.disableAction = 1; },
        {"L1/1", "L1/2", "L1/3", "L2/5", "L2/6", "L3/7", "0.0.2/11", "13.0.1/12"});
    row("2 zone 1", 2,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.setZone(1);
        },
        {"L1/2", "L2/6", "L3/7"});
    row("2 loops 1 and 2 shut down", 2,
        [](FilterModel &m) {
            m.disableAction = 1;
            shutDownLoops("0110");
        },
        {"L3/7", "0.0.2/11", "13.0.1/12"});
    row("2 enable the disabled", 2,
        [](FilterModel &m) {
            m.disableAction = 2;
            setMapPoints(14, Panel, ScriptedSite::loop(1), {1, 4});
            setMapPoints(15, Panel, ScriptedSite::loop(2), {5});
        },
        {"L1/1", "L2/5"});
    row("3 one peripheral", 3,
        [](FilterModel &m) {
            m.channelKind = 12;
            m.channelNumber = 0;
            m.channelAddress = 2;
        },
        {"L2/5", "L2/6"});
    row("4 by function, hide option off", 4,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.functionMask = 0x01;
            shutDownLoops("0110");
        },
        {"L1/1", "L2/5", "L2/6", "0.0.2/11", "13.0.1/12"});
    row("4 by function, hide option on", 4,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.functionMask = 0x01;
            m.hideShutDownLoops = true;
            shutDownLoops("0110");
        },
        {"0.0.2/11", "13.0.1/12"});
    row("4 by function and status", 4,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.functionMask = 0x01;
            m.pointStatusMask = 0x02;
            setMapPoints(129, Panel, ScriptedSite::loop(2), {5});
        },
        {"L2/5"});
    row("5 by device type", 5,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.deviceTypes = QBitArray(256);
            m.deviceTypes.setBit(7);
            m.deviceTypes.setBit(9);
        },
        {"L1/3", "L2/5"});
    row("6 one peripheral, any force", 6,
        [](FilterModel &m) {
            m.forceAction = 6;
            m.channelAddress = 1;
        },
        {"L1/1", "L1/2", "L1/3", "L1/4"});
    row("7 one peripheral, enable", 7,
        [](FilterModel &m) {
            m.disableAction = 2;
            m.channelAddress = 1;
            setMapPoints(14, Panel, ScriptedSite::loop(1), {1});
        },
        {"L1/1"});
    row("8 force, limited by the log, every zone", 8,
        [](FilterModel &m) {
            m.forceAction = 6;
            m.statusMask = Faults;
        },
        {"L1/1", "L1/2"});
    row("8 force, limited by the log, zone 2", 8,
        [](FilterModel &m) {
            m.forceAction = 6;
            m.statusMask = Faults;
            m.setZone(2);
        },
        {"L1/1"});
    row("9 disable, limited by the log", 9,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.statusMask = Faults;
        },
        {"L1/1", "L1/2"});
    row("9 warnings", 9,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.statusMask = 1 << 6;
        },
        {"L2/5"});
    row("9 another panel's events", 9,
        [](FilterModel &m) {
            m.disableAction = 1;
            m.statusMask = Faults;
            m.selectedPanel = 4;
        },
        {});
    row("10 keeps the list", 10,
        [](FilterModel &m) {
            m.pointsKind = 3;
            m.channelAddress = 2;
            m.rebuildPointsForKind();
        },
        {"L2/5", "L2/6"});
    row("11 loop points of the zones", 11, nothing,
        {"L1/1", "L1/2", "L1/3", "L1/4", "L2/5", "L2/6", "L3/7", "0.0.2/11"});
    row("11 loop points of zone 1", 11, [](FilterModel &m) { m.setZone(1); }, {"L1/2", "L1/4", "L2/6", "L3/7"});
    row("12 mask 0", 12, [](FilterModel &m) { m.channelAddress = 1; }, {});
    row("12 outputs of loop 1", 12,
        [](FilterModel &m) {
            m.channelAddress = 1;
            m.attributeMask = 0x04;
        },
        {"L1/2", "L1/3"});
    // Loop 2 has the points of its kind-0 channel too.
    row("13 configured addresses", 13, [](FilterModel &m) { m.channelAddress = 2; }, {"L2/5", "L2/6", "L2/11"});
    QStringList free;
    for (int address : span(1, 250, {5, 6, 11}))
        free << QStringLiteral("L2/%1").arg(address);
    row(
        "14 free addresses", 14, [](FilterModel &m) { m.channelAddress = 2; }, free);
    row("15 real points, then responders of the paired range", 15,
        [](FilterModel &m) {
            m.channelAddress = 1;
            LoopDriverRecord driver;
            driver.loopNumber = 1;
            driver.pairing = LoopDriverRecord::PairedWithNext;
            driver.driverType = 120;
            LoopDriverConfiguration::instance()->addLoopDriver(Panel, driver);
            setMapPoints(134, Panel, ScriptedSite::loop(1), {2});
            setMapPoints(146, Panel, ScriptedSite::loop(1), {100, 3, 130});
        },
        {"L1/1", "L1/3", "L1/4", "L1/3", "L1/100"});
    row("15 unpaired loop offers address 0 only", 15,
        [](FilterModel &m) {
            m.channelAddress = 1;
            setMapPoints(146, Panel, ScriptedSite::loop(1), {0, 3});
        },
        {"L1/1", "L1/2", "L1/3", "L1/4", "L1/0"});
    row("16 silent real points", 16,
        [](FilterModel &m) {
            m.channelAddress = 2;
            setMapPoints(134, Panel, ScriptedSite::loop(2), {5, 6});
        },
        {"L2/5"});
    row("17 initial walk-test values", 17, nothing, {});
    row("17 detectors", 17,
        [](FilterModel &m) {
            m.walkTestTypeBit = 0;
            m.walkTestDeviceClass = 4;
        },
        {"L1/1", "L1/4", "L2/5", "L2/6"});
    row("18 is no kind", 18,
        [](FilterModel &m) {
            m.pointsKind = 3;
            m.channelAddress = 1;
            m.rebuildPointsForKind();
        },
        {"L1/1", "L1/2", "L1/3", "L1/4"});
}

void TestFilterModel::rebuildPointsForKind()
{
    QFETCH(int, kind);
    QFETCH(Setup, setup);
    QFETCH(QStringList, points);
    FilterModel filters(nullptr, false);
    QAbstractItemModelTester tester(&filters.pointsModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
    filters.selectedPanel = Panel;
    setup(filters);
    filters.pointsKind = kind;
    filters.rebuildPointsForKind();
    QCOMPARE(rowsOf(filters.pointsModel), points);
    // A second build lists the same, not twice as much.
    filters.rebuildPointsForKind();
    QCOMPARE(rowsOf(filters.pointsModel), points);
}

void TestFilterModel::rebuildPointsForKind_setsTheTaskActions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("force");
    QTest::addColumn<int>("disable");
    QTest::addColumn<int>("itemType");
    QTest::newRow("1 force") << 1 << 4 << 0 << 0;
    QTest::newRow("2 disable") << 2 << 0 << 1 << 7;
    QTest::newRow("4 enable") << 4 << 0 << 2 << 6;
    QTest::newRow("6 force") << 6 << 4 << 0 << 0;
    QTest::newRow("9 enable unheld") << 9 << 0 << 3 << 6;
    QTest::newRow("3 not set") << 3 << 0 << 0 << 0;
    QTest::newRow("11 not set") << 11 << 0 << 0 << 0;
}

void TestFilterModel::rebuildPointsForKind_setsTheTaskActions()
{
    QFETCH(int, kind);
    QFETCH(int, force);
    QFETCH(int, disable);
    QFETCH(int, itemType);
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.forceAction = 4;
    filters.disableAction = disable;
    filters.pointsKind = kind;
    filters.rebuildPointsForKind();
    QCOMPARE(filters.pointsModel.forceAction(), force);
    QCOMPARE(filters.pointsModel.disableAction(), disable);
    QCOMPARE(filters.pointsModel.itemType(), itemType);
}

// Loop 4 of panel 3 for the point settings: a three-address device at 10
// and single points at 19, 22 and 25.
void addSettingsLoop(const QList<int> &singles = {19, 22, 25})
{
    ScriptedSite::setValue(SC_SyncPageIDS::eDeviceTypeAttributes, "40|1|2|3", "x");
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(4), ScriptedSite::record(10, 1, 40, 0x13, 0x01, 30));
    for (int point : singles)
        ScriptedSite::addPoint(Panel, ScriptedSite::loop(4),
                               ScriptedSite::record(quint8(point), 1, 5, 0x03, 0x01, quint8(point + 20)));
}

FilterModel *settingsModel(QObject *owner)
{
    auto *filters = new FilterModel(owner, false);
    filters->selectedPanel = Panel;
    filters->channelAddress = 4;
    return filters;
}

void TestFilterModel::addressSets_multiAddressDevice()
{
    addSettingsLoop({});
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->computeAddressSets();
    QCOMPARE(sorted(filters->configuredAddresses()), QList<int>{10});
    QCOMPARE(sorted(filters->extraAddresses()), (QList<int>{11, 12}));
    QCOMPARE(sorted(filters->freeAddresses()), span(1, 250, {10, 11, 12}));
    QVERIFY(filters->isConfiguredAddress(10));
    QVERIFY(!filters->isConfiguredAddress(11));
    for (int point : {25, 19, 22})
        ScriptedSite::addPoint(Panel, ScriptedSite::loop(4), ScriptedSite::record(quint8(point)));
    filters->pointsKind = FilterModel::ConfiguredAddresses;
    filters->rebuildPointsForKind();
    QCOMPARE(rowsOf(filters->pointsModel), (QStringList{"L4/10", "L4/19", "L4/22", "L4/25"}));
    QCOMPARE(sorted(filters->extraAddresses()), (QList<int>{11, 12}));
}

void TestFilterModel::addressSets_deletionFreesTheDevice()
{
    addSettingsLoop();
    CachedModifiedPoints::cacheDeletion(Panel, 4, 10);
    PointSettingsRecord added;
    added.panel = Panel;
    added.loop = 4;
    added.point = 40;
    added.zone = 2;
    added.deviceUse = 300;
    CachedModifiedPoints::cacheSingleChange(added);
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->computeAddressSets();
    QCOMPARE(sorted(filters->configuredAddresses()), (QList<int>{19, 22, 25, 40}));
    QVERIFY(filters->extraAddresses().isEmpty());
    QVERIFY(filters->freeAddresses().contains(10));
    QVERIFY(filters->freeAddresses().contains(11));
    QVERIFY(!filters->freeAddresses().contains(40));
}

void TestFilterModel::addressSpan_data()
{
    QTest::addColumn<QList<int>>("singles");
    QTest::addColumn<int>("address");
    QTest::addColumn<bool>("extend");
    QTest::addColumn<int>("span");
    QTest::newRow("free run from 20") << QList<int>{19, 25} << 20 << true << 5;
    QTest::newRow("free run from 20, not extended") << QList<int>{19, 25} << 20 << false << 5;
    QTest::newRow("19 extended over two free") << QList<int>{19, 22} << 19 << true << 3;
    QTest::newRow("19 alone") << QList<int>{19, 22} << 19 << false << 1;
    QTest::newRow("three-address device") << QList<int>{19} << 10 << false << 3;
    QTest::newRow("three-address device, extended") << QList<int>{19} << 10 << true << 9;
    QTest::newRow("no point at an extra address") << QList<int>{19} << 11 << false << 0;
}

void TestFilterModel::addressSpan()
{
    QFETCH(QList<int>, singles);
    QFETCH(int, address);
    QFETCH(bool, extend);
    QFETCH(int, span);
    addSettingsLoop(singles);
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->computeAddressSets();
    QCOMPARE(filters->addressSpan(quint8(address), extend), span);
}

void TestFilterModel::updateAddressCount_followsTheCachedChange()
{
    addSettingsLoop();
    // A device type with no usable address count takes one address.
    ScriptedSite::setValue(SC_SyncPageIDS::eDeviceTypeAttributes, "42|1|2", "x");
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(4), ScriptedSite::record(30, 1, 41, 0x13));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(4), ScriptedSite::record(33, 1, 42, 0x13));
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->computeAddressSets();
    QVERIFY(!filters->extraAddresses().contains(31));
    QVERIFY(!filters->extraAddresses().contains(34));
    const QList<QPair<int, int>> counts = {{10, 3}, {19, 1}, {30, 1}, {33, 1}, {60, 0}};
    for (const auto &count : counts) {
        filters->pointAddress = quint8(count.first);
        filters->updateAddressCount();
        QCOMPARE(int(filters->addressCount), count.second);
        QCOMPARE(filters->addressCountOfPoint(quint8(count.first)), count.second);
    }
    PointSettingsRecord change;
    change.panel = Panel;
    change.loop = 4;
    change.point = 60;
    change.numberOfAddresses = 4;
    change.deviceUse = 500;
    CachedModifiedPoints::cacheMultiAddressChange(change);
    filters->pointAddress = 60;
    filters->updateAddressCount();
    QCOMPARE(int(filters->addressCount), 4);
    filters->pointAddress = 61;
    filters->updateAddressCount();
    QCOMPARE(int(filters->addressCount), 1);
    filters->computeAddressSets();
    QCOMPARE(filters->addressSpan(60, false), 4);
}

void TestFilterModel::deviceUses_noneWiderThanTheSpan_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QStringList>("uses");
    // Addresses 13 to 18 are free after the device at 10.
    QTest::newRow("span 6, at 13") << 13 << QStringList{"100", "101", "105", "109", "110"};
    QTest::newRow("span 3, at 16") << 16 << QStringList{"100", "101", "109", "110"};
    QTest::newRow("span 2, at 23") << 23 << QStringList{"100", "109", "110"};
}

void TestFilterModel::deviceUses_noneWiderThanTheSpan()
{
    QFETCH(int, address);
    QFETCH(QStringList, uses);
    addSettingsLoop();
    setDeviceUses({{100, "1|40|Single smoke"},
                   {101, "2|40|Twin head"},
                   {102, "3|40|Twin head b"},
                   {103, "3|40|Twin head c"},
                   {104, "1|41|Heat"},
                   {105, "2|40|Quad"},
                   {106, "3|40|Quad b"},
                   {107, "3|40|Quad c"},
                   {108, "3|40|Quad d"},
                   {109, "1|40|Other smoke"},
                   {110, "2|40|Wide tail"}});
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->extendOverFreeAddresses = false;
    filters->deviceType = 40;
    filters->pointAddress = quint8(address);
    filters->computeAddressSets();
    const int span = filters->addressSpan(quint8(address), false);
    filters->fillDeviceUses();
    QAbstractItemModel *model = filters->secondFilteredModel();
    QCOMPARE(rowsOf(*model, DeviceUseRole), uses);
    for (int row = 0; row < model->rowCount(); ++row)
        QVERIFY(model->index(row, 0).data(AddressCountRole).toInt() <= span);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Single smoke"));
    QCOMPARE(model->index(1, 0).data(AddressCountRole).toInt(), span >= 3 ? 3 : 1);
}

void TestFilterModel::fillDevices_fittingTypesByDescription()
{
    addSettingsLoop();
    ScriptedSite::setValue(DeviceDescriptionsBucket, "40|1", "Smoke sensor");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "41|1", "Heat sensor");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "42|1", "Beam");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "43|1", "Heat sensor");
    setDeviceUses({{100, "2|42|Beam pair"},
                   {101, "3|42|Beam pair b"},
                   {102, "3|42|Beam pair c"},
                   {103, "1|40|Smoke"},
                   {104, "1|41|Heat"},
                   {105, "1|43|Heat too"},
                   {106, "9|44|Odd"}});
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->extendOverFreeAddresses = false;
    filters->computeAddressSets();
    filters->pointAddress = 23;
    filters->fillDevices();
    QCOMPARE(rowsOf(*filters->firstFilteredModel(), DeviceTypeRole), (QStringList{"43", "40"}));
    filters->pointAddress = 13;
    filters->fillDevices();
    QCOMPARE(rowsOf(*filters->firstFilteredModel(), DeviceTypeRole), (QStringList{"42", "43", "40"}));
    QCOMPARE(rowsOf(*filters->firstFilteredModel(), Qt::DisplayRole),
             (QStringList{"Beam", "Heat sensor", "Smoke sensor"}));
}

void TestFilterModel::logicalNumbers_offAsLogicalAddressingIsOff()
{
    addSettingsLoop();
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->addressCount = 1;
    filters->fillPointsForSelection();
    QCOMPARE(filters->thirdFilteredModel()->rowCount(), 0);
    QVERIFY(filters->logicalNumberSet().isEmpty());
    QVERIFY(filters->logicalNumberMap().isEmpty());
}

void TestFilterModel::logicalNumbers_onlyTheLatestSelectionAscending()
{
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    // Loop 4 uses 30, 39, 42 and 45; loop 5 uses 3, 4 and 5.
    addSettingsLoop();
    for (int point : {1, 2, 3})
        ScriptedSite::addPoint(Panel, ScriptedSite::loop(5),
                               ScriptedSite::record(quint8(point), 1, 5, 0x03, 0x01, quint8(point + 2)));
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->addressCount = 1;
    filters->fillPointsForSelection();
    QCOMPARE(filters->thirdFilteredModel()->rowCount(), 246);
    QVERIFY(filters->logicalNumberSet().isEmpty());

    filters->channelAddress = 5;
    filters->pointAddress = 8;
    filters->addressCount = 2;
    filters->logicalPointNumber = 6;
    filters->fillPointsForSelection();
    const QStringList offered = rowsOf(*filters->thirdFilteredModel(), Qt::DisplayRole);
    QCOMPARE(offered.mid(0, 4), (QStringList{"001", "006", "007", "008"}));
    // 1, then 6 to 249: 250 would need 251 as well.
    QCOMPARE(offered.size(), 245);
    QCOMPARE(offered.last(), QStringLiteral("249"));
    QVERIFY(!offered.contains("002"));
    QMap<quint8, quint8> expected;
    expected.insert(8, 6);
    expected.insert(9, 7);
    QCOMPARE(filters->logicalNumberMap(), expected);
    QCOMPARE(filters->logicalNumberSet(), (QSet<quint8>{6, 7}));
    // The selected point's own number is offered even where it is taken.
    filters->logicalPointNumber = 4;
    filters->fillPointsForSelection();
    QCOMPARE(rowsOf(*filters->thirdFilteredModel(), Qt::DisplayRole).mid(0, 3), (QStringList{"001", "004", "006"}));
    QCOMPARE(filters->logicalNumberMap().value(8), quint8(4));
    QCOMPARE(filters->logicalNumberMap().value(9), quint8(6));
}

void TestFilterModel::logicalNumbers_cachedChangesCount()
{
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    for (int point : {1, 2})
        ScriptedSite::addPoint(Panel, ScriptedSite::loop(5),
                               ScriptedSite::record(quint8(point), 1, 5, 0x03, 0x01, quint8(point)));
    // Point 1 goes; point 2 takes number 9.
    CachedModifiedPoints::cacheDeletion(Panel, 5, 1);
    PointSettingsRecord change;
    change.panel = Panel;
    change.loop = 5;
    change.point = 2;
    change.logicalPointNumber = 9;
    change.deviceUse = 300;
    CachedModifiedPoints::cacheSingleChange(change);
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->channelAddress = 5;
    filters->addressCount = 1;
    filters->fillPointsForSelection();
    const QStringList offered = rowsOf(*filters->thirdFilteredModel(), Qt::DisplayRole);
    QVERIFY(offered.contains("001"));
    QVERIFY(offered.contains("002"));
    QVERIFY(!offered.contains("009"));
    QCOMPARE(offered.size(), 249);
}

void TestFilterModel::loadSelectedPointSettings_data()
{
    QTest::addColumn<bool>("cached");
    QTest::addColumn<bool>("logicalAddressing");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("logical");
    QTest::addColumn<int>("use");
    QTest::newRow("configured, physical") << false << false << 1 << 251 << 2049;
    QTest::newRow("configured, logical") << false << true << 1 << 39 << 2049;
    QTest::newRow("cached change") << true << true << 6 << 77 << 2049;
}

void TestFilterModel::loadSelectedPointSettings()
{
    QFETCH(bool, cached);
    QFETCH(bool, logicalAddressing);
    QFETCH(int, zone);
    QFETCH(int, logical);
    QFETCH(int, use);
    TeskGlobalConfig::instance()->setLogicalAddr(logicalAddressing);
    addSettingsLoop();
    if (cached) {
        PointSettingsRecord change;
        change.panel = Panel;
        change.loop = 4;
        change.point = 19;
        change.zone = quint8(zone);
        change.logicalPointNumber = quint8(logical);
        change.deviceUse = quint16(use);
        change.text = QStringLiteral("Kitchen");
        CachedModifiedPoints::cacheSingleChange(change);
    }
    QObject owner;
    FilterModel *filters = settingsModel(&owner);
    filters->pointAddress = 19;
    filters->loadSelectedPointSettings();
    QCOMPARE(int(filters->selectedZone), zone);
    QCOMPARE(filters->selectedZones(), QList<quint8>{quint8(zone)});
    QCOMPARE(int(filters->logicalPointNumber), logical);
    QCOMPARE(int(filters->deviceUse), use);
    QCOMPARE(int(filters->deviceType), 5);
    if (cached)
        QCOMPARE(filters->pointText, QStringLiteral("Kitchen"));
}

void TestFilterModel::plainModels_underTheModelTester()
{
    using Tester = QAbstractItemModelTester;
    const auto mode = Tester::FailureReportingMode::QtTest;
    for (const char *key : {"3|1|301", "5|1|501"})
        ScriptedSite::setValue(SC_SyncPageIDS::eLogicalZoneConfiguration, key, "x");
    QBitArray configured(255);
    configured.setBit(1);
    configured.setBit(2);
    LoopDriverConfiguration::instance()->setPanelLoopBits(Panel, configured);
    setMapPoints(13, Panel, ChannelAddress(0, 0, 4), {1, 2});
    shutDownLoops("0110");
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    addSettingsLoop();
    setDeviceUses({{100, "1|40|Single smoke"}, {101, "2|40|Twin head"}, {102, "3|40|Twin head b"}});
    FilterModel filters(nullptr, false);
    filters.selectedPanel = Panel;
    filters.deviceType = 40;
    filters.addressCount = 1;
    QList<QAbstractItemModel *> models = {
        &filters.panelsModel,         &filters.networkPanelsModel,   &filters.zonesModel,
        &filters.pointsModel,         &filters.devicesModel,         &filters.printersModel,
        &filters.tasksModel,          filters.loopsModel(),          filters.shutDownLoopsModel(),
        filters.firstFilteredModel(), filters.secondFilteredModel(), filters.thirdFilteredModel()};
    std::vector<std::unique_ptr<Tester>> testers;
    for (QAbstractItemModel *model : models)
        testers.push_back(std::make_unique<Tester>(model, mode));
    for (int round = 0; round < 2; ++round) {
        filters.fillPanels();
        filters.fillPanelsFromList({1, 3});
        filters.fillZones();
        filters.fillLogicalZones();
        filters.filterLogicalZonesByPanel(5);
        filters.fillTasks();
        filters.fillLoopsByShutdown(true);
        QCOMPARE(filters.shutDownLoopsModel()->rowCount(), 2);
        filters.fillLoops();
        filters.fillPrinters();
        filters.fillDevicesOfZones();
        filters.channelAddress = 4;
        filters.pointAddress = 20;
        filters.computeAddressSets();
        filters.fillDevices();
        filters.fillDeviceUses();
        filters.fillPointsForSelection();
        filters.pointsKind = round == 0 ? 11 : 13;
        filters.rebuildPointsForKind();
    }
    for (QAbstractItemModel *model : models) {
        if (model != filters.shutDownLoopsModel())
            QVERIFY2(model->rowCount() > 0, model->metaObject()->className());
    }
}

QTEST_MAIN(TestFilterModel)
#include "tst_filtermodel.moc"

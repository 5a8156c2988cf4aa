#include "MessageCapture.h"
#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/FilteredDeviceUseItem.h"
#include "pointmodels/FilteredDevicesModel.h"
#include "pointmodels/FilteredModel.h"
#include "pointmodels/FilteredModelDeviceItem.h"
#include "pointmodels/FilteredModelLogicalZoneItem.h"
#include "pointmodels/FilteredModelPanelItem.h"
#include "pointmodels/FilteredModelPointItem.h"
#include "pointmodels/FilteredModelPrinterItem.h"
#include "pointmodels/FilteredModelTaskItem.h"
#include "pointmodels/FilteredModelZoneItem.h"
#include "pointmodels/FilteredPointsModel.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

using namespace FilteredRoles;

Q_DECLARE_METATYPE(QStandardItem *)

namespace {

constexpr int ZoneNamesBucket = 6;
constexpr int LogicalZonesBucket = 9;
constexpr int DeviceTagsBucket = 11;
constexpr int DeviceDescriptionsBucket = 12;
constexpr quint8 Panel = 0;
constexpr quint8 Loop = 2;

PanelRecord panelRecord(const QString &name)
{
    PanelRecord record;
    record.panelName1 = name;
    record.zoneLimit = 10;
    record.printers = {PrinterEntry{4, 1, 9, 2, QStringLiteral("Office printer"), QString()}};
    return record;
}

FilteredModelPointItem *pointItem(quint8 panel, quint8 point, bool showPointNumbers = false)
{
    return new FilteredModelPointItem(panel, 12, 0, Loop, point, 3, 2, 6, -1, 17, showPointNumbers);
}

QVariant roleOf(QStandardItem *item, int role)
{
    QStandardItemModel owner;
    owner.appendRow(item);
    return owner.index(0, 0).data(role);
}

} // namespace

class TestFilteredModels final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void pointRoles_data();
    void pointRoles();
    void pointKey_holdsTheAddressFromTheHighByteDown();
    void deviceType128_showsADash();
    void zoneAddress_ledByTheZoneUnderLogicalAddressing_data();
    void zoneAddress_ledByTheZoneUnderLogicalAddressing();
    void shownPointNumber_data();
    void shownPointNumber();
    void otherItemRoles_data();
    void otherItemRoles();
    void taskItem_checkedWhileTheTaskIsOn();

    void devicesModel_oneRowPerTypeInFirstMetOrder();
    void roleOverride_answersForEveryRow();
    void setTaskActions_data();
    void setTaskActions();
    void pointsModel_rowsCarryTheTask();
    void modelTester_whileRebuilt();

private:
    QTemporaryDir m_dataDirectory;
};

void TestFilteredModels::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestFilteredModels::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setCurrentLang(1);
    config->setLogicalAddr(false);
    config->setLogicalZones(false);
    PanelConfiguration::instance()->setPanelRecord(Panel, panelRecord("Main building"));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(17, 4, 33, 0x03, 0x01, 77));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(18, 4, 128, 0x03, 0x01, 78));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(19, 5, 7, 0x03, 0x01, 79));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(20, 5, 3, 0x03, 0x01, 80));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(21, 5, 7, 0x03, 0x01, 81));
    PointTextCache::instance()->clear();
    PointTextCache::instance()->updatePointText(Panel, ScriptedSite::loop(Loop), 17, QStringLiteral("Stairwell"), 1);
    ScriptedSite::setValue(ZoneNamesBucket, "0|4|1", "Plant room");
    ScriptedSite::setValue(LogicalZonesBucket, "0|4|1004", "x");
    ScriptedSite::setValue(DeviceTagsBucket, "33", "OPT");
    ScriptedSite::setValue(DeviceTagsBucket, "7", "ION");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "33|1", "Optical sensor");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "7|1", "Ionisation sensor");
}

void TestFilteredModels::pointRoles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("0 name") << 0 << QVariant("Stairwell");
    QTest::newRow("33 panel") << int(PanelRole) << QVariant(0u);
    QTest::newRow("34 zone") << int(ZoneRole) << QVariant(4u);
    QTest::newRow("35 point") << int(PointRole) << QVariant(17u);
    QTest::newRow("38 loop") << int(LoopRole) << QVariant(2u);
    QTest::newRow("42 logical zone") << int(LogicalZoneRole) << QVariant(1004u);
    QTest::newRow("43 channel number") << int(ChannelNumberRole) << QVariant(0u);
    QTest::newRow("44 tag") << int(DeviceTagRole) << QVariant("OPT");
    QTest::newRow("49 force action") << int(ForceActionRole) << QVariant(3);
    QTest::newRow("50 disable action") << int(DisableActionRole) << QVariant(2);
    QTest::newRow("53 item type") << int(ItemTypeRole) << QVariant(6);
    QTest::newRow("66 walk-test kind") << int(WalkTestKindRole) << QVariant(17);
    QTest::newRow("67 walk-test selector") << int(WalkTestSelectorRole) << QVariant(-1);
    QTest::newRow("70 channel kind") << int(ChannelKindRole) << QVariant(12u);
    QTest::newRow("174 point number") << int(ShownPointNumberRole) << QVariant(17u);
    QTest::newRow("unknown role") << 200 << QVariant();
}

void TestFilteredModels::pointRoles()
{
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    const QVariant value = roleOf(pointItem(Panel, 17), role);
    QCOMPARE(value.isValid(), expected.isValid());
    QCOMPARE(value.toString(), expected.toString());
}

void TestFilteredModels::pointKey_holdsTheAddressFromTheHighByteDown()
{
    const quint32 key = roleOf(pointItem(5, 17), PointKeyRole).toUInt();
    QCOMPARE(key >> 24, 5u);
    QCOMPARE((key >> 16) & 0xFF, 12u);
    QCOMPARE((key >> 8) & 0xFF, 2u);
    QCOMPARE(key & 0xFF, 17u);
    // Channel number 3 goes to the high half of the second byte.
    auto *numbered = new FilteredModelPointItem(5, 12, 3, 2, 17, 0, 0, 0, -1, 17, false);
    QCOMPARE(roleOf(numbered, PointKeyRole).toUInt(), 0x053C0211u);
}

void TestFilteredModels::deviceType128_showsADash()
{
    QCOMPARE(roleOf(pointItem(Panel, 18), DeviceTagRole).toString(), QStringLiteral("-"));
    QCOMPARE(roleOf(new FilteredModelDeviceItem(128), DeviceTagRole).toString(), QStringLiteral("-"));
    // An address without a point has no device either.
    QCOMPARE(roleOf(pointItem(Panel, 99), DeviceTagRole).toString(), QStringLiteral("-"));
}

void TestFilteredModels::zoneAddress_ledByTheZoneUnderLogicalAddressing_data()
{
    QTest::addColumn<bool>("logicalAddressing");
    QTest::addColumn<bool>("logicalZones");
    QTest::addColumn<int>("channelKind");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("logical addressing, zones off") << true << false << 12 << "004";
    QTest::newRow("logical addressing and zones") << true << true << 12 << "00004";
    QTest::newRow("physical addressing") << false << false << 12 << "";
    QTest::newRow("logical addressing, kind 0") << true << false << 0 << "";
}

void TestFilteredModels::zoneAddress_ledByTheZoneUnderLogicalAddressing()
{
    QFETCH(bool, logicalAddressing);
    QFETCH(bool, logicalZones);
    QFETCH(int, channelKind);
    QFETCH(QString, prefix);
    TeskGlobalConfig::instance()->setLogicalAddr(logicalAddressing);
    TeskGlobalConfig::instance()->setLogicalZones(logicalZones);
    ScriptedSite::addPoint(Panel, ChannelAddress(0, Loop, 0), ScriptedSite::record(17, 4, 33, 0x03, 0x01, 77));
    auto *item = new FilteredModelPointItem(Panel, quint8(channelKind), 0, Loop, 17, 0, 0, 0, -1, 17, false);
    const QString text = roleOf(item, ZoneAddressRole).toString();
    QVERIFY2(!text.isEmpty(), qPrintable(text));
    QCOMPARE(text, text.trimmed());
    if (prefix.isEmpty()) {
        QVERIFY2(!text.startsWith(QStringLiteral("004")), qPrintable(text));
    } else {
        QVERIFY2(text.startsWith(prefix), qPrintable(text));
        QVERIFY2(text.size() > prefix.size(), qPrintable(text));
    }
}

void TestFilteredModels::shownPointNumber_data()
{
    QTest::addColumn<bool>("showPointNumbers");
    QTest::addColumn<bool>("logicalAddressing");
    QTest::addColumn<uint>("shown");
    QTest::newRow("physical") << false << false << 17u;
    QTest::newRow("logical") << false << true << 77u;
    QTest::newRow("logical, point numbers asked for") << true << true << 17u;
}

void TestFilteredModels::shownPointNumber()
{
    QFETCH(bool, showPointNumbers);
    QFETCH(bool, logicalAddressing);
    QFETCH(uint, shown);
    TeskGlobalConfig::instance()->setLogicalAddr(logicalAddressing);
    QCOMPARE(roleOf(pointItem(Panel, 17, showPointNumbers), ShownPointNumberRole).toUInt(), shown);
}

void TestFilteredModels::otherItemRoles_data()
{
    QTest::addColumn<QStandardItem *>("item");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    const auto row = [](const char *name, QStandardItem *item, int role, const QVariant &expected) {
        QTest::newRow(name) << item << role << expected;
    };
    row("panel 0", new FilteredModelPanelItem(Panel), 0, "Main building");
    row("panel 33", new FilteredModelPanelItem(Panel), PanelRole, 0u);
    row("panel 42", new FilteredModelPanelItem(Panel), LogicalZoneRole, 255);
    row("zone 0", new FilteredModelZoneItem(Panel, 4), 0, "Plant room");
    row("zone 33", new FilteredModelZoneItem(Panel, 4), PanelRole, 0u);
    row("zone 34", new FilteredModelZoneItem(Panel, 4), ZoneRole, 4u);
    row("logical zone 0", new FilteredModelLogicalZoneItem(Panel, 4, 1004), 0, "Plant room");
    row("logical zone 42", new FilteredModelLogicalZoneItem(Panel, 4, 1004), LogicalZoneRole, 1004u);
    row("logical zone 34", new FilteredModelLogicalZoneItem(Panel, 4, 1004), ZoneRole, 4u);
    row("device 0", new FilteredModelDeviceItem(33), 0, "Optical sensor");
    row("device 44", new FilteredModelDeviceItem(33), DeviceTagRole, "OPT");
    row("device 101", new FilteredModelDeviceItem(33), DeviceTypeRole, 33u);
    row("device use 0", new FilteredDeviceUseItem(300, "Smoke", 2), 0, "Smoke");
    row("device use 111", new FilteredDeviceUseItem(300, "Smoke", 2), DeviceUseTextRole, "Smoke");
    row("device use 110", new FilteredDeviceUseItem(300, "Smoke", 2), DeviceUseRole, 300u);
    row("device use 112", new FilteredDeviceUseItem(300, "Smoke", 2), AddressCountRole, 2);
    row("task 33", new FilteredModelTaskItem(Panel, 3), PanelRole, 0u);
    row("task 35", new FilteredModelTaskItem(Panel, 3), PointRole, 3u);
    row("printer 0", new FilteredModelPrinterItem(Panel, 4, 9), 0, "Office printer");
    row("printer 141", new FilteredModelPrinterItem(Panel, 4, 9), PrinterNumberRole, 4u);
    row("printer 142", new FilteredModelPrinterItem(Panel, 4, 9), PrinterByteRole, 9u);
}

void TestFilteredModels::otherItemRoles()
{
    QFETCH(QStandardItem *, item);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    QCOMPARE(roleOf(item, role).toString(), expected.toString());
}

void TestFilteredModels::taskItem_checkedWhileTheTaskIsOn()
{
    QStandardItemModel owner;
    owner.appendRow(new FilteredModelTaskItem(Panel, 3));
    const QModelIndex task = owner.index(0, 0);
    QCOMPARE(task.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QBitArray on(256);
    on.setBit(3);
    PointDataMapsConfiguration::instance()->setChannelPoints(140, Panel, ChannelAddress(0, 0, 4), on);
    QCOMPARE(task.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    PointTextCache::instance()->updatePointText(Panel, ChannelAddress(0, 0, 4), 3, QStringLiteral("Night mode"), 1);
    QCOMPARE(task.data(Qt::DisplayRole).toString(), QStringLiteral("Night mode"));
}

void TestFilteredModels::devicesModel_oneRowPerTypeInFirstMetOrder()
{
    FilteredDevicesModel devices;
    QAbstractItemModelTester tester(&devices, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const ChannelAddress channel = ScriptedSite::loop(Loop);
    for (const quint8 type : {7, 3, 7}) {
        const PointAddressKey record = ScriptedSite::record(1, 1, type);
        devices.addPoint(Panel, &channel, &record);
    }
    QCOMPARE(devices.rowCount(), 2);
    QCOMPARE(devices.index(0, 0).data(DeviceTypeRole).toUInt(), 7u);
    QCOMPARE(devices.index(1, 0).data(DeviceTypeRole).toUInt(), 3u);
    QCOMPARE(devices.index(0, 0).data(0).toString(), QStringLiteral("Ionisation sensor"));
    devices.clearModel();
    QCOMPARE(devices.rowCount(), 0);
    const PointAddressKey again = ScriptedSite::record(1, 1, 7);
    devices.addPoint(Panel, &channel, &again);
    QCOMPARE(devices.rowCount(), 1);
}

void TestFilteredModels::roleOverride_answersForEveryRow()
{
    FilteredPointsModel points(false);
    QAbstractItemModelTester tester(&points, QAbstractItemModelTester::FailureReportingMode::QtTest);
    {
        ModelFacade facade(&points, QSharedPointer<SimplePointFilter>(new ZoneCfgFilter({})), Panel);
        facade.run();
    }
    QCOMPARE(points.rowCount(), 5);
    QSignalSpy changed(&points, &QAbstractItemModel::dataChanged);
    points.setRoleOverride(Qt::DisplayRole, QStringLiteral("Same"));
    QCOMPARE(changed.count(), 1);
    for (int row = 0; row < points.rowCount(); ++row)
        QCOMPARE(points.index(row, 0).data(Qt::DisplayRole).toString(), QStringLiteral("Same"));
    // Other roles still come from the rows.
    QCOMPARE(points.index(0, 0).data(PointRole).toUInt(), 17u);
    points.setRoleOverride(Qt::DisplayRole, QStringLiteral("Other"));
    QCOMPARE(points.index(4, 0).data(Qt::DisplayRole).toString(), QStringLiteral("Other"));
    FilteredModel plain;
    plain.appendRow(new FilteredModelZoneItem(Panel, 4));
    plain.appendRow(new FilteredModelZoneItem(Panel, 5));
    plain.setRoleOverride(ZoneRole, 9);
    QCOMPARE(plain.index(0, 0).data(ZoneRole).toInt(), 9);
    QCOMPARE(plain.index(1, 0).data(ZoneRole).toInt(), 9);
    QCOMPARE(plain.index(0, 0).data(Qt::DisplayRole).toString(), QStringLiteral("Plant room"));
}

void TestFilteredModels::setTaskActions_data()
{
    QTest::addColumn<int>("disableAction");
    QTest::addColumn<int>("itemType");
    QTest::addColumn<bool>("warns");
    QTest::newRow("0 keeps the type") << 0 << 7 << true;
    QTest::newRow("1 disable") << 1 << 7 << false;
    QTest::newRow("2 enable") << 2 << 6 << false;
    QTest::newRow("3 enable") << 3 << 6 << false;
    QTest::newRow("9 keeps the type") << 9 << 7 << false;
}

void TestFilteredModels::setTaskActions()
{
    QFETCH(int, disableAction);
    QFETCH(int, itemType);
    QFETCH(bool, warns);
    FilteredPointsModel points(false);
    points.setTaskActions(0, 1);
    MessageCapture capture;
    points.setTaskActions(4, disableAction);
    QCOMPARE(points.itemType(), itemType);
    QCOMPARE(points.forceAction(), 4);
    QCOMPARE(points.disableAction(), disableAction);
    QCOMPARE(capture.contains("Using DISABLE_INVALID"), warns);
}

void TestFilteredModels::pointsModel_rowsCarryTheTask()
{
    FilteredPointsModel points(true);
    points.setTaskActions(0, 2);
    const ChannelAddress channel = ScriptedSite::loop(Loop);
    const PointAddressKey record = ScriptedSite::record(17, 4, 33);
    points.addPoint(Panel, &channel, &record);
    const QModelIndex row = points.index(0, 0);
    QCOMPARE(row.data(ItemTypeRole).toInt(), 6);
    QCOMPARE(row.data(DisableActionRole).toInt(), 2);
    QCOMPARE(row.data(ForceActionRole).toInt(), 0);
    QCOMPARE(row.data(WalkTestSelectorRole).toInt(), -1);
    QCOMPARE(row.data(WalkTestKindRole).toInt(), 17);
    QVERIFY(points.item(0)->isSelectable());
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    // The point-number option was given to the model, so rows show numbers.
    QCOMPARE(row.data(ShownPointNumberRole).toUInt(), 17u);
}

void TestFilteredModels::modelTester_whileRebuilt()
{
    FilteredPointsModel points(false);
    FilteredDevicesModel devices;
    FilteredModel plain;
    QAbstractItemModelTester pointsTester(&points, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester devicesTester(&devices, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester plainTester(&plain, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const QList<quint8> &zones : {QList<quint8>{}, QList<quint8>{5}, QList<quint8>{4}}) {
        {
            ModelFacade facade(&points, QSharedPointer<SimplePointFilter>(new ZoneCfgFilter(zones)), Panel);
            facade.run();
        }
        {
            ModelFacade facade(&devices, QSharedPointer<SimplePointFilter>(new ZoneCfgFilter(zones)), Panel);
            facade.run();
        }
        plain.clearModel();
        for (int row = 0; row < points.rowCount(); ++row)
            plain.appendRow(new FilteredModelDeviceItem(quint8(row)));
        points.setRoleOverride(Qt::DisplayRole, QStringLiteral("x"));
    }
    QCOMPARE(points.rowCount(), 2);
    QCOMPARE(devices.rowCount(), 2);
    QCOMPARE(plain.rowCount(), 2);
}

QTEST_MAIN(TestFilteredModels)
#include "tst_filteredmodels.moc"

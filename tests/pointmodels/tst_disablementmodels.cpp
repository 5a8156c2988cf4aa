#include "FakeClock.h"
#include "MessageCapture.h"
#include "PointValueReplies.h"
#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointIndividualAddress.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/DisablementsModelItem.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/PointRowIndex.h"
#include "pointmodels/SyncDisableLoader.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

using namespace PointValueReplies;

namespace {

constexpr int DisabledZonesBucket = 20;
const QVector<int> ValueRoles{77, 78, 79, 81, 82, 83};

void disabledZones(quint8 panel, const QString &zones)
{
    ScriptedSite::setValue(DisabledZonesBucket, QString::number(panel), zones);
}

// A loop point of panel 1, loop 2 (kind 12, number 0), in zone 3.
SimplePointInfo loopPoint(quint8 point)
{
    return SimplePointInfo{1, 12, 0, 2, point};
}

void addLoopPoint(CountModel &list, quint8 point, quint8 zone = 3)
{
    const ChannelAddress channel = ScriptedSite::loop(2);
    const PointAddressKey record = ScriptedSite::record(point, zone);
    list.addPoint(1, &channel, &record);
}

QVariant role(const QAbstractItemModel &list, int row, int role)
{
    return list.index(row, 0).data(role);
}

QList<int> zonesOf(const QAbstractItemModel &list)
{
    QList<int> zones;
    for (int row = 0; row < list.rowCount(); ++row)
        zones << role(list, row, 34).toInt();
    return zones;
}

// Sets the point's bit in the map of a page, keeping the others.
void markPoint(int page, quint8 panel, const ChannelAddress &channel, quint8 point)
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    QBitArray bits = maps->channelPoints(page, panel, channel.kind(), channel.number(), channel.address());
    bits.resize(256);
    bits.setBit(point);
    maps->setChannelPoints(page, panel, channel, bits);
}

constexpr quint8 Input = 0x03;
constexpr quint8 Output = 0x05;
constexpr quint8 InputAndOutput = 0x07;
constexpr quint8 NotOffered = 0x02;
constexpr int DisabledInputs = 14;
constexpr int DisabledOutputs = 15;

struct ScriptedPoint
{
    quint8 panel;
    ChannelAddress channel;
    quint8 point;
    quint8 zone;
    quint8 attributes;
    quint32 functions;
    QList<int> pages;
};

// Panel 1 with disabled and enabled points, and one disabled point of
// panel 2. Points 1, 3, 4 (its output disabled) and 6 of panel 1 and
// point 8 of panel 2 are disabled points a list shows.
const QList<ScriptedPoint> &disablementSite()
{
    static const ChannelAddress loop2(12, 2, 0);
    static const ChannelAddress number5(12, 2, 5);
    static const QList<ScriptedPoint> points{
        {1, loop2, 1, 3, Input, 0x01, {DisabledInputs}},
        {1, loop2, 2, 3, Input, 0x01, {}},
        {1, loop2, 3, 4, Output, 0x08, {DisabledOutputs}},
        {1, loop2, 4, 3, InputAndOutput, 0x01, {DisabledOutputs}},
        {1, loop2, 5, 3, NotOffered, 0x01, {DisabledInputs}},
        {1, loop2, 6, 4, Input, 0x02, {DisabledInputs}},
        {1, number5, 7, 3, Input, 0x01, {DisabledInputs}},
        {2, ChannelAddress(12, 1, 0), 8, 3, Input, 0x01, {DisabledInputs}},
    };
    return points;
}

void scriptDisablementSite()
{
    for (const ScriptedPoint &p : disablementSite()) {
        ScriptedSite::addPoint(p.panel, p.channel, ScriptedSite::record(p.point, p.zone, 5, p.attributes, p.functions));
        for (int page : p.pages)
            markPoint(page, p.panel, p.channel, p.point);
    }
}

// Each row as panel/point.
QStringList pointsOf(const QAbstractItemModel &list)
{
    QStringList points;
    for (int row = 0; row < list.rowCount(); ++row)
        points << QStringLiteral("%1/%2").arg(role(list, row, 33).toInt()).arg(role(list, row, 35).toInt());
    return points;
}

template <typename F> void whenWaiting(F function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), function, Qt::QueuedConnection);
}

} // namespace

// The lists of disabled zones and points, the live values of a point row,
// and the codes of a disablement command.
class tst_DisablementModels final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void disabledZonesOfOnePanel_data();
    void disabledZonesOfOnePanel();
    void disabledZonesOfAllPanels();
    void zoneRowRoles();
    void pointRowRoles();
    void rowsWithoutFetcherShowNoValues();
    void facadeFillsPointRowsInItsOrder();
    void disabledPoints_data();
    void disabledPoints();
    void disabledPointRowsHaveTheFetcher();
    void replyAfterARefillFindsTheNewRow();
    void roleNames();

    void rowAsksForItsValuesOnce();
    void replyRedrawsItsRowOnly();
    void replyForAPointNotInTheModelEmitsNothing();
    void replyFindsItsRowAfterRowsMove();
    void pointRowIndexKeepsEachPointsFirstRow();
    void valuesRoleWaitsForTheRowsReply();
    void refillWhileARowWaitsIsSafe();

    void convertAction_data();
    void convertAction();
    void convertDirection_data();
    void convertDirection();
    void commandTexts_data();
    void commandTexts();

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_DisablementModels::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    m_clock = std::make_unique<FakeClock>();
    m_sent = std::make_unique<QSignalSpy>(SyncClient::instance(), &SyncClient::SendPacket);
}

void tst_DisablementModels::cleanup()
{
    m_sent.reset();
    m_clock.reset();
}

void tst_DisablementModels::disabledZonesOfOnePanel_data()
{
    QTest::addColumn<QString>("zones");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("0110") << "0110" << QList<int>{1, 2};
    QTest::newRow("empty") << "" << QList<int>{};
    QTest::newRow("zone 0 and a mark other than 1") << "1002" << QList<int>{0, 3};
    QList<int> all;
    for (int zone = 0; zone < 255; ++zone)
        all << zone;
    QTest::newRow("longer than 255 zones") << QString(300, QLatin1Char('1')) << all;
}

void tst_DisablementModels::disabledZonesOfOnePanel()
{
    QFETCH(QString, zones);
    QFETCH(QList<int>, rows);
    disabledZones(4, zones);
    disabledZones(5, QStringLiteral("1111"));
    DisablementsModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy counts(&list, &CountModel::countResult);
    list.fillDisabledZones(4);
    QCOMPARE(zonesOf(list), rows);
    for (int row = 0; row < list.rowCount(); ++row)
        QCOMPARE(role(list, row, 33).toInt(), 4);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.at(0).at(0).toString(), QString::number(rows.size()));
}

void tst_DisablementModels::disabledZonesOfAllPanels()
{
    disabledZones(0, QStringLiteral("1"));
    disabledZones(4, QStringLiteral("0110"));
    disabledZones(99, QStringLiteral("001"));
    DisablementsModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    addLoopPoint(list, 9);
    QSignalSpy counts(&list, &CountModel::countResult);
    list.fillDisabledZones(255);
    QCOMPARE(list.rowCount(), 4);
    QCOMPARE(zonesOf(list), (QList<int>{0, 1, 2, 2}));
    QCOMPARE(role(list, 3, 33).toInt(), 99);
    QCOMPARE(counts.count(), 100);
    QCOMPARE(counts.at(0).at(0).toString(), QStringLiteral("1"));
    QCOMPARE(counts.at(4).at(0).toString(), QStringLiteral("3"));
    QCOMPARE(counts.last().at(0).toString(), QStringLiteral("4"));
}

void tst_DisablementModels::zoneRowRoles()
{
    disabledZones(4, QStringLiteral("0001"));
    DisablementsModel list;
    list.fillDisabledZones(4);
    QCOMPARE(role(list, 0, 59).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, 60).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, 62).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, 65).toString(), QStringLiteral("-"));
    QVERIFY(role(list, 0, 58).toString().startsWith(QStringLiteral("003 ")));
    QCOMPARE(role(list, 0, 35).toInt(), 0);
    QCOMPARE(role(list, 0, 38).toInt(), 0);
    const auto *item = dynamic_cast<DisablementsModelItem *>(list.item(0));
    QVERIFY(item);
    QVERIFY(!item->isPoint());
    QVERIFY(!item->fetcher());
}

void tst_DisablementModels::pointRowRoles()
{
    DisablementsModel list;
    const ChannelAddress channel(0x3B, 7); // kind 11, number 3, address 7
    const PointAddressKey record = ScriptedSite::record(21, 5, 60);
    list.addPoint(2, &channel, &record);
    addLoopPoint(list, 8, PointAddressKey::NoZone);
    QCOMPARE(role(list, 0, 33).toInt(), 2);
    QCOMPARE(role(list, 0, 34).toInt(), 5);
    QCOMPARE(role(list, 0, 35).toInt(), 21);
    QCOMPARE(role(list, 0, 38).toInt(), 7);
    QCOMPARE(role(list, 0, 43).toInt(), 3);
    QCOMPARE(role(list, 0, 70).toInt(), 11);
    QCOMPARE(role(list, 0, 65).value<PointIndividualAddress>(), PointIndividualAddress(11, 7, 3, 21));
    QVERIFY(role(list, 0, 58).toString().startsWith(QStringLiteral("005 ")));
    QVERIFY(!role(list, 0, 62).toString().isEmpty());
    QVERIFY(role(list, 0, 62).toString() != QStringLiteral("-"));
    QCOMPARE(role(list, 1, 58).toString(), QStringLiteral("-"));
    // Point 8 of loop 2 is not configured: it has no device.
    QCOMPARE(role(list, 1, 60).toString(), QStringLiteral("-"));
    QCOMPARE(role(list, 0, 200), QVariant());
    const auto *item = dynamic_cast<DisablementsModelItem *>(list.item(0));
    QVERIFY(item->isPoint());
    QVERIFY(item->matchesPoint(SimplePointInfo{2, 11, 3, 7, 21}));
    QVERIFY(!item->matchesPoint(SimplePointInfo{2, 11, 3, 7, 22}));
}

void tst_DisablementModels::rowsWithoutFetcherShowNoValues()
{
    DisablementsModel list;
    addLoopPoint(list, 8);
    for (int valueRole : ValueRoles)
        QCOMPARE(role(list, 0, valueRole).toString(), QStringLiteral("-"));
    bool loopRan = false;
    whenWaiting([&] {
        loopRan = true;
        m_clock->advance(1000);
    });
    QCOMPARE(role(list, 0, 136), QVariant());
    QVERIFY(!loopRan);
    QCOMPARE(requestsSent(*m_sent), 0);
    QCoreApplication::sendPostedEvents();
}

void tst_DisablementModels::facadeFillsPointRowsInItsOrder()
{
    // A networked engine walks the panel asked for.
    TeskGlobalConfig::instance()->setPanelNumber(3);
    for (quint8 point : {4, 2, 9})
        ScriptedSite::addPoint(1, ScriptedSite::loop(2), ScriptedSite::record(point, point == 9 ? 7 : 3));
    DisablementsModel list;
    QVERIFY(list.isFunctionFilterOn());
    ModelFacade facade(&list, QSharedPointer<SimplePointFilter>(new ZoneCfgFilter({3})), 1);
    facade.run();
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(role(list, 0, 35).toInt(), 4);
    QCOMPARE(role(list, 1, 35).toInt(), 2);
}

void tst_DisablementModels::disabledPoints_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("functionFilterOn");
    QTest::addColumn<int>("functionMask");
    QTest::addColumn<QStringList>("rows");
    const QStringList panelOne{"1/1", "1/3", "1/4", "1/6"};
    QTest::newRow("one zone") << 1 << 3 << true << -1 << QStringList{"1/1", "1/4"};
    QTest::newRow("another zone") << 1 << 4 << true << -1 << QStringList{"1/3", "1/6"};
    QTest::newRow("255: every zone") << 1 << 255 << true << -1 << panelOne;
    QTest::newRow("241: every zone") << 1 << 241 << true << -1 << panelOne;
    QTest::newRow("240 is a zone") << 1 << 240 << true << -1 << QStringList{};
    QTest::newRow("sounders") << 1 << 255 << true << 0x08 << QStringList{"1/3"};
    QTest::newRow("call points") << 1 << 255 << true << 0x02 << QStringList{"1/6"};
    QTest::newRow("no function matches") << 1 << 255 << true << 0x40 << QStringList{};
    QTest::newRow("mask without the function filter") << 1 << 255 << false << 0x08 << panelOne;
    QTest::newRow("every panel") << 255 << 255 << true << -1 << (panelOne + QStringList{"2/8"});
    QTest::newRow("every panel, one zone") << 255 << 3 << true << -1 << QStringList{"1/1", "1/4", "2/8"};
    QTest::newRow("a panel without points") << 5 << 255 << true << -1 << QStringList{};
}

// Points held in either map of disabled points, only those that may be
// offered for disablement and never on channel number 5; in the
// configuration's order.
void tst_DisablementModels::disabledPoints()
{
    QFETCH(int, panel);
    QFETCH(int, zone);
    QFETCH(bool, functionFilterOn);
    QFETCH(int, functionMask);
    QFETCH(QStringList, rows);
    TeskGlobalConfig::instance()->setPanelNumber(3);
    scriptDisablementSite();
    DisablementsModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.setFunctionFilterOn(functionFilterOn);
    list.setFunctionMask(functionMask);
    // A refill shows only the latest points.
    list.fillDisabledPoints(1, 255);
    QSignalSpy counts(&list, &CountModel::countResult);
    list.fillDisabledPoints(quint8(panel), quint8(zone));
    QCOMPARE(pointsOf(list), rows);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.at(0).at(0).toString(), QString::number(rows.size()));
    for (int row = 0; row < list.rowCount(); ++row) {
        const auto *item = dynamic_cast<DisablementsModelItem *>(list.item(row));
        QVERIFY(item);
        QVERIFY(item->isPoint());
        QVERIFY(!item->fetcher());
    }
}

void tst_DisablementModels::disabledPointRowsHaveTheFetcher()
{
    TeskGlobalConfig::instance()->setPanelNumber(3);
    scriptDisablementSite();
    DisablementsAndStatusModel list;
    list.fillDisabledPoints(1, 4);
    QCOMPARE(pointsOf(list), (QStringList{"1/3", "1/6"}));
    QCOMPARE(role(list, 0, 34).toInt(), 4);
    QCOMPARE(role(list, 0, 38).toInt(), 2);
    QCOMPARE(role(list, 0, 70).toInt(), 12);
    const auto *item = dynamic_cast<DisablementsModelItem *>(list.item(1));
    QVERIFY(item);
    QCOMPARE(item->fetcher(), &list.fetcher());
    list.uiItemChangedUpdate(list.index(1, 0));
    QCOMPARE(requestsSent(*m_sent), 1);
}

// The fetcher keeps its requests across a refill: the reply reaches the
// point's row in the new list.
void tst_DisablementModels::replyAfterARefillFindsTheNewRow()
{
    TeskGlobalConfig::instance()->setPanelNumber(3);
    scriptDisablementSite();
    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.fillDisabledPoints(1, 255);
    list.uiItemChangedUpdate(list.index(3, 0));
    list.fillDisabledPoints(1, 4);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy updated(&list, &DisablementsAndStatusModel::updatedPointValueModel);
    reply(loopPoint(6), normalValues());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), list.index(1, 0));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(role(list, 1, 81).toString(), QStringLiteral("_NORMAL_POINTVALUE"));
    QCOMPARE(role(list, 0, 81).toString(), QStringLiteral("-"));
}

void tst_DisablementModels::roleNames()
{
    const DisablementsModel plain;
    const QList<int> plainRoles = plain.roleNames().keys();
    QCOMPARE(QSet<int>(plainRoles.begin(), plainRoles.end()), (QSet<int>{58, 59, 60, 62}));
    const DisablementsAndStatusModel live;
    const QList<int> liveRoles = live.roleNames().keys();
    QCOMPARE(QSet<int>(liveRoles.begin(), liveRoles.end()), (QSet<int>{58, 59, 60, 62, 77, 78, 79, 81, 82, 83}));
    QCOMPARE(QString::fromLatin1(live.metaObject()->className()), QStringLiteral("DisablementsAndStatusModel"));
}

void tst_DisablementModels::rowAsksForItsValuesOnce()
{
    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    addLoopPoint(list, 8);
    addLoopPoint(list, 9);
    list.uiItemChangedUpdate(list.index(1, 0));
    QCOMPARE(requestsSent(*m_sent), 1);
    list.uiItemChangedUpdate(list.index(1, 0));
    QCOMPARE(requestsSent(*m_sent), 1);
    for (int valueRole : ValueRoles)
        QCOMPARE(role(list, 1, valueRole).toString(), QStringLiteral("-"));

    PointValueDetails values = normalValues();
    values.statusBits = 0x0D;
    values.setByte(20, 1);
    values.setByte(22, 1);
    reply(loopPoint(9), values);
    QCOMPARE(role(list, 1, 81).toString(), QStringLiteral("_NORMAL_POINTVALUE"));
    QCOMPARE(role(list, 1, 82).toString(), QStringLiteral("_FORCED_POINTVALUE"));
    QCOMPARE(role(list, 1, 83).toString(), QStringLiteral("_DISABLED_POINTVALUE"));
    QCOMPARE(role(list, 1, 77).toString(), QStringLiteral("_OFF_POINTVALUE"));
    QCOMPARE(role(list, 1, 78).toString(), QStringLiteral("_FORCED_ON_POINTVALUE"));
    QCOMPARE(role(list, 1, 79).toString(), QStringLiteral("_DISABLED_POINTVALUE"));
    QCOMPARE(role(list, 0, 81).toString(), QStringLiteral("-"));
    list.uiItemChangedUpdate(list.index(1, 0));
    QCOMPARE(requestsSent(*m_sent), 2);
}

void tst_DisablementModels::replyRedrawsItsRowOnly()
{
    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (quint8 point = 1; point <= 5; ++point)
        addLoopPoint(list, point);
    list.uiItemChangedUpdate(list.index(3, 0));
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy updated(&list, &DisablementsAndStatusModel::updatedPointValueModel);
    reply(loopPoint(4), normalValues());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), list.index(3, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), list.index(3, 0));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<SimplePointInfo>(), loopPoint(4));
}

void tst_DisablementModels::replyForAPointNotInTheModelEmitsNothing()
{
    DisablementsAndStatusModel list;
    addLoopPoint(list, 1);
    PointValueDetails values;
    list.fetcher().fetch(loopPoint(30), values);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy updated(&list, &DisablementsAndStatusModel::updatedPointValueModel);
    QSignalSpy fetched(&list.fetcher(), &PointValueFetcher::updatedPointValue);
    reply(loopPoint(30), normalValues());
    QCOMPARE(fetched.count(), 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(updated.count(), 0);
}

// The point-to-row index follows rows that leave or come in before others.
void tst_DisablementModels::replyFindsItsRowAfterRowsMove()
{
    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (quint8 point = 1; point <= 5; ++point)
        addLoopPoint(list, point);
    PointValueDetails values;
    list.fetcher().fetch(loopPoint(4), values);
    list.fetcher().fetch(loopPoint(2), values);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);

    list.removeRows(0, 2);
    reply(loopPoint(4), normalValues());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), list.index(1, 0));
    // The removed row's point has no row now.
    reply(loopPoint(2), normalValues());
    QCOMPARE(changed.count(), 1);

    list.insertRow(0, new DisablementsModelItem(&list.fetcher(), loopPoint(4), 3));
    list.fetcher().fetch(loopPoint(4), values);
    reply(loopPoint(4), normalValues());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex(), list.index(0, 0));

    list.clearModel();
    list.fetcher().fetch(loopPoint(4), values);
    reply(loopPoint(4), normalValues());
    QCOMPARE(changed.count(), 2);
}

void tst_DisablementModels::pointRowIndexKeepsEachPointsFirstRow()
{
    QStandardItem first;
    QStandardItem second;
    QStandardItem other;
    PointRowIndex index;
    QCOMPARE(index.row(loopPoint(4)), nullptr);
    index.addRow(loopPoint(4), &first);
    index.addRow(loopPoint(4), &second);
    QCOMPARE(index.row(loopPoint(4)), &first);
    // The same point number on other channels and panels is another point.
    const QList<SimplePointInfo> neighbours{{1, 12, 0, 3, 4}, {1, 12, 1, 2, 4}, {1, 0, 0, 2, 4}, {2, 12, 0, 2, 4}};
    for (const SimplePointInfo &neighbour : neighbours)
        QCOMPARE(index.row(neighbour), nullptr);
    index.addRow(neighbours.first(), &other);
    index.addRow(loopPoint(255), &second);
    QCOMPARE(index.row(neighbours.first()), &other);
    QCOMPARE(index.row(loopPoint(4)), &first);
    QCOMPARE(index.row(loopPoint(255)), &second);
    QCOMPARE(index.row(loopPoint(0)), nullptr);
    index.clear();
    QCOMPARE(index.row(loopPoint(4)), nullptr);
    index.addRow(loopPoint(4), &second);
    QCOMPARE(index.row(loopPoint(4)), &second);
}

void tst_DisablementModels::valuesRoleWaitsForTheRowsReply()
{
    DisablementsAndStatusModel list;
    addLoopPoint(list, 6);
    whenWaiting([&] { reply(loopPoint(6), normalValues()); });
    QCOMPARE(role(list, 0, 136), QVariant());
    QCOMPARE(m_clock->now(), qint64(0));
    QCOMPARE(role(list, 0, 81).toString(), QStringLiteral("_NORMAL_POINTVALUE"));
    // Held values: no wait.
    bool loopRan = false;
    whenWaiting([&] {
        loopRan = true;
        m_clock->advance(1000);
    });
    QCOMPARE(role(list, 0, 136), QVariant());
    QVERIFY(!loopRan);
    QCoreApplication::sendPostedEvents();
}

// A screen may refill the list from a slot that runs while a row waits
// for its values; the waiting row is deleted under the wait.
void tst_DisablementModels::refillWhileARowWaitsIsSafe()
{
    DisablementsAndStatusModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    addLoopPoint(list, 6);
    addLoopPoint(list, 7);
    whenWaiting([&] {
        list.clearModel();
        addLoopPoint(list, 7);
        addLoopPoint(list, 6);
        reply(loopPoint(6), normalValues());
    });
    QCOMPARE(role(list, 0, 136), QVariant());
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(role(list, 1, 81).toString(), QStringLiteral("_NORMAL_POINTVALUE"));

    whenWaiting([&] {
        list.clearModel();
        m_clock->advance(DisablementsModelItem::ValueWaitMs);
    });
    QCOMPARE(role(list, 0, 136), QVariant());
    QCOMPARE(list.rowCount(), 0);
}

void tst_DisablementModels::convertAction_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("warned");
    QTest::newRow("1 disables") << 1 << 1 << false;
    QTest::newRow("2 enables") << 2 << 0 << false;
    QTest::newRow("3 enables silently") << 3 << 0 << false;
    QTest::newRow("7 enables with a warning") << 7 << 0 << true;
    QTest::newRow("0 enables with a warning") << 0 << 0 << true;
}

void tst_DisablementModels::convertAction()
{
    QFETCH(int, selector);
    QFETCH(int, action);
    QFETCH(bool, warned);
    MessageCapture messages;
    QCOMPARE(SyncDisableLoader::convertAction(selector), action);
    QCOMPARE(messages.warnings().size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(messages.warnings().first(),
                 QStringLiteral("SyncDisableLoader::convertAction : Defaulting DISABLEM_ENABLE"));
    }
}

void tst_DisablementModels::convertDirection_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("warned");
    for (int kept : {1, 2, 3})
        QTest::addRow("%d kept", kept) << kept << kept << false;
    QTest::newRow("0 gives inputs") << 0 << 1 << true;
    QTest::newRow("4 gives inputs") << 4 << 1 << true;
}

void tst_DisablementModels::convertDirection()
{
    QFETCH(int, selector);
    QFETCH(int, direction);
    QFETCH(bool, warned);
    MessageCapture messages;
    QCOMPARE(SyncDisableLoader::convertDirection(selector), direction);
    QCOMPARE(messages.warnings().size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(messages.warnings().first(),
                 QStringLiteral("SyncDisableLoader::convertDirection : Defaulting disablementScope ID didn't "
                                "recognise direction given"));
    }
}

void tst_DisablementModels::commandTexts_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("title");
    QTest::newRow("enable") << 0 << "_DISABLE_OFF_214_18_INFOTEXTSTYLE"
                            << "_DISABLE_OFF_PROGRESS_POPUPTITLE";
    QTest::newRow("disable") << 1 << "_DISABLE_ON_214_18_INFOTEXTSTYLE"
                             << "_DISABLE_ON_PROGRESS_POPUPTITLE";
    QTest::newRow("2") << 2 << ""
                       << "";
    QTest::newRow("-1") << -1 << ""
                        << "";
}

void tst_DisablementModels::commandTexts()
{
    QFETCH(int, action);
    QFETCH(QString, info);
    QFETCH(QString, title);
    QCOMPARE(disableActionInfoText(action), info);
    QCOMPARE(disableProgressTitle(action), title);
}

QTEST_GUILESS_MAIN(tst_DisablementModels)
#include "tst_disablementmodels.moc"

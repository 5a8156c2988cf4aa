#include "../eventlog/EventFixtures.h"
#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"
#include "eventlog/EventLogStatusFilter.h"
#include "pointmodels/EventLogFacade.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/FunctionStatusQueryModel.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using EventLog::EventData;

namespace {

constexpr quint8 Panel = 3;
constexpr quint16 Faults = 1 << EventLog::CategoryFault;
constexpr int Sounders = 0x08;
constexpr int Detectors = 0x01;
const ChannelAddress Loop2(12, 2, 0);
const ChannelAddress Local2(0, 2, 0);

EventData pointEvent(EventLog::SeqNum_t seqNo, quint8 node, const ChannelAddress &channel, quint8 point,
                     quint8 zone = 1, quint8 category = EventLog::CategoryFault, quint32 time = 0)
{
    EventData event = EventFixtures::makeEvent(seqNo, category, node, zone, point);
    event.channel = channel.kind();
    event.pointCat = channel.number();
    event.channelAddr = channel.address();
    if (time != 0)
        event.timeAndDate = time;
    return event;
}

void store(const QList<EventData> &events)
{
    for (const EventData &event : events)
        QVERIFY(EL_EventLogDBbase::instance()->insertData(&event, false));
}

void execute(const QString &statement)
{
    QSqlQuery query;
    QVERIFY2(query.exec(statement), qPrintable(statement));
}

bool accepts(const SimplePointFilter &filter, quint8 panel, const ChannelAddress &channel, quint8 point)
{
    const PointAddressKey record = ScriptedSite::record(point);
    return filter.acceptsAll(panel, &channel, &record);
}

bool tempTableExists(const QString &name)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE type = 'table' AND name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next() && query.value(0).toInt() > 0;
}

QVector<qint64> pointTable()
{
    return EventFixtures::column(QStringLiteral("SELECT packedKey FROM TempStatTable ORDER BY packedKey"));
}

QList<int> seqNosOf(const QAbstractItemModel &model)
{
    QList<int> seqNos;
    for (int row = 0; row < model.rowCount(); ++row)
        seqNos << model.index(row, 0).data(EventLogQueryModel::SeqNoRole).toInt();
    return seqNos;
}

} // namespace

class TestFunctionStatus final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void statusFilter_data();
    void statusFilter();
    void statusFilter_everyZoneCounts();
    void statusFilter_twoAliveKeepTheirOwnPoints();
    void statusFilter_leavesNoTable();

    void facade_packedKey();
    void facade_withoutChainCollectsNothing();

    void functionStatus_otherModesOnlyClear_data();
    void functionStatus_otherModesOnlyClear();
    void functionStatus_faultsNewestFirst();
    void functionStatus_maskWithoutPointsListsNothing();
    void functionStatus_failingDeleteListsNothing();
    void functionStatus_faultCountsReadTheSameTable();
    void functionStatus_underTheModelTester();

private:
    QTemporaryDir m_dataDirectory;
};

void TestFunctionStatus::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
    QVERIFY(EL_EventLogDBbase::instance()->isUsable());
}

void TestFunctionStatus::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPanelNumber(1);
    // Panel 3: two sounders and a detector; panel 4: a sounder.
    ScriptedSite::addPoint(Panel, Local2, ScriptedSite::record(7, 1, 5, 0x05, Sounders));
    ScriptedSite::addPoint(Panel, Loop2, ScriptedSite::record(8, 1, 5, 0x05, Sounders));
    ScriptedSite::addPoint(Panel, Loop2, ScriptedSite::record(9, 2, 5, 0x03, Detectors));
    ScriptedSite::addPoint(Panel, ChannelAddress(12, 2, 5), ScriptedSite::record(10, 2, 5, 0x03, Detectors));
    ScriptedSite::addPoint(4, ScriptedSite::loop(1), ScriptedSite::record(3, 1, 5, 0x05, Sounders));
}

void TestFunctionStatus::cleanup()
{
    execute(QStringLiteral("DELETE FROM EventLog"));
}

void TestFunctionStatus::cleanupTestCase()
{
    EL_EventLogDBbase::destroyInstance();
}

void TestFunctionStatus::statusFilter_data()
{
    QTest::addColumn<QList<EventData>>("events");
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("keys");
    const EventData fault = pointEvent(1, Panel, Loop2, 8);
    QTest::newRow("no event") << QList<EventData>{} << 3 << int(Faults) << false << 0;
    QTest::newRow("unrestored fault") << QList<EventData>{fault} << 3 << int(Faults) << true << 1;
    QTest::newRow("two events of the point")
        << QList<EventData>{fault, pointEvent(2, Panel, Loop2, 8, 3)} << 3 << int(Faults) << true << 1;
    QTest::newRow("another category") << QList<EventData>{fault} << 3 << int(1 << 8) << false << 0;
    QTest::newRow("category in a wider mask") << QList<EventData>{fault} << 3 << 0xFFFF << true << 1;
    QTest::newRow("another panel's event")
        << QList<EventData>{pointEvent(1, 4, Loop2, 8)} << 3 << int(Faults) << false << 0;
    QTest::newRow("built for another panel")
        << QList<EventData>{pointEvent(1, 4, Loop2, 8)} << 4 << int(Faults) << false << 1;
    QTest::newRow("another point") << QList<EventData>{pointEvent(1, Panel, Loop2, 9)} << 3 << int(Faults) << false
                                   << 1;
}

void TestFunctionStatus::statusFilter()
{
    QFETCH(QList<EventData>, events);
    QFETCH(int, node);
    QFETCH(int, mask);
    QFETCH(bool, accepted);
    QFETCH(int, keys);
    store(events);
    const EventLogStatusFilter filter{quint8(node), quint16(mask)};
    QCOMPARE(filter.keyCount(), keys);
    QCOMPARE(accepts(filter, Panel, Loop2, 8), accepted);
}

void TestFunctionStatus::statusFilter_everyZoneCounts()
{
    store({pointEvent(1, Panel, Loop2, 8, 1), pointEvent(2, Panel, Loop2, 9, 2), pointEvent(3, Panel, Local2, 7, 200),
           pointEvent(4, Panel, ChannelAddress(12, 2, 5), 10, 1)});
    execute(QStringLiteral("UPDATE EventLog SET restoredEventStatus = 1 WHERE seqNo = 3"));
    const EventLogStatusFilter filter(Panel, Faults);
    QVERIFY(accepts(filter, Panel, Loop2, 8));
    QVERIFY(accepts(filter, Panel, Loop2, 9));
    // Restored, and channel number 5.
    QVERIFY(!accepts(filter, Panel, Local2, 7));
    QVERIFY(!accepts(filter, Panel, ChannelAddress(12, 2, 5), 10));
    QCOMPARE(filter.keyCount(), 2);
}

void TestFunctionStatus::statusFilter_twoAliveKeepTheirOwnPoints()
{
    store({pointEvent(1, Panel, Loop2, 8), pointEvent(2, 4, ScriptedSite::loop(1), 3)});
    auto *first = new EventLogStatusFilter(Panel, Faults);
    const EventLogStatusFilter second(4, Faults);
    QVERIFY(accepts(*first, Panel, Loop2, 8));
    QVERIFY(!accepts(*first, 4, ScriptedSite::loop(1), 3));
    QVERIFY(accepts(second, 4, ScriptedSite::loop(1), 3));
    QVERIFY(!accepts(second, Panel, Loop2, 8));
    delete first;
    QVERIFY(accepts(second, 4, ScriptedSite::loop(1), 3));
    const EventLogStatusFilter third(Panel, Faults);
    QVERIFY(accepts(third, Panel, Loop2, 8));
    QCOMPARE(third.keyCount(), 1);
}

void TestFunctionStatus::statusFilter_leavesNoTable()
{
    store({pointEvent(1, Panel, Loop2, 8)});
    {
        const EventLogStatusFilter filter(Panel, Faults);
        QVERIFY(accepts(filter, Panel, Loop2, 8));
    }
    QVERIFY(!tempTableExists(QStringLiteral("tempStatusTable")));
}

void TestFunctionStatus::facade_packedKey()
{
    QVariantList keys;
    {
        EventLogFacade facade(&keys, Panel);
        facade.setFilter(QSharedPointer<SimplePointFilter>(new ZoneCfgFilter({1})));
        facade.run();
    }
    QCOMPARE(keys.size(), 2);
    QCOMPARE(keys.at(0).toUInt(), 117571587u);
    QCOMPARE(keys.at(0).toUInt(), 3u + 2u * 65536u + 7u * 16777216u);
    QCOMPARE(keys.at(1).toUInt(), pointEvent(1, Panel, Loop2, 8).packedKey());
}

void TestFunctionStatus::facade_withoutChainCollectsNothing()
{
    QVariantList keys;
    EventLogFacade facade(&keys, TC::cAllPanels);
    facade.run();
    QVERIFY(keys.isEmpty());
}

void TestFunctionStatus::functionStatus_otherModesOnlyClear_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0") << 0;
    QTest::newRow("1") << 1;
}

void TestFunctionStatus::functionStatus_otherModesOnlyClear()
{
    QFETCH(int, mode);
    store({pointEvent(1, Panel, Loop2, 8)});
    FunctionStatusQueryModel filling(Sounders, FunctionStatusQueryModel::FillingMode);
    filling.refresh();
    const QVector<qint64> keys = pointTable();
    QCOMPARE(keys.size(), 3);
    FunctionStatusQueryModel other(Detectors, mode);
    other.loadEventsByCategory(0xFFFF, -1, false, 255);
    QCOMPARE(other.rowCount(), 1);
    other.refresh();
    QCOMPARE(other.rowCount(), 0);
    QCOMPARE(pointTable(), keys);
}

void TestFunctionStatus::functionStatus_faultsNewestFirst()
{
    const quint32 base = 900000000u;
    store({pointEvent(10, Panel, Loop2, 8, 1, EventLog::CategoryFault, base + 300),
           pointEvent(11, Panel, Local2, 7, 1, EventLog::CategoryFault, base + 200),
           pointEvent(12, Panel, Loop2, 9, 2, EventLog::CategoryFault, base + 400),
           pointEvent(13, Panel, Loop2, 8, 1, 6, base + 500),
           pointEvent(14, Panel, Loop2, 8, 1, EventLog::CategoryFault, base + 600),
           pointEvent(15, 4, ScriptedSite::loop(1), 3, 1, EventLog::CategoryFault, base + 100),
           pointEvent(16, Panel, Loop2, 8, 1, EventLog::CategoryFault, base + 200)});
    execute(QStringLiteral("UPDATE EventLog SET restoredEventStatus = 1 WHERE seqNo = 14"));
    FunctionStatusQueryModel model(Sounders, FunctionStatusQueryModel::FillingMode);
    model.refresh();
    QCOMPARE(seqNosOf(model), (QList<int>{10, 16, 11, 15}));
    FunctionStatusQueryModel detectors(Detectors, FunctionStatusQueryModel::FillingMode);
    detectors.refresh();
    // Detectors are inputs: the outputs-only filter keeps none of them.
    QCOMPARE(detectors.rowCount(), 0);
}

void TestFunctionStatus::functionStatus_maskWithoutPointsListsNothing()
{
    store({pointEvent(1, Panel, Loop2, 8)});
    FunctionStatusQueryModel sounders(Sounders, FunctionStatusQueryModel::FillingMode);
    sounders.refresh();
    QCOMPARE(sounders.rowCount(), 1);
    FunctionStatusQueryModel nothing(0x40000000, FunctionStatusQueryModel::FillingMode);
    nothing.refresh();
    QCOMPARE(nothing.rowCount(), 0);
    QVERIFY(pointTable().isEmpty());
    sounders.refresh();
    QCOMPARE(sounders.rowCount(), 1);
}

void TestFunctionStatus::functionStatus_failingDeleteListsNothing()
{
    store({pointEvent(1, Panel, Loop2, 8)});
    FunctionStatusQueryModel sounders(Sounders, FunctionStatusQueryModel::FillingMode);
    sounders.refresh();
    QCOMPARE(sounders.rowCount(), 1);
    execute(QStringLiteral("CREATE TEMP TRIGGER keepPoints BEFORE DELETE ON TempStatTable "
                           "BEGIN SELECT RAISE(ABORT, 'kept'); END"));
    FunctionStatusQueryModel outputs(0x80, FunctionStatusQueryModel::FillingMode);
    outputs.refresh();
    execute(QStringLiteral("DROP TRIGGER keepPoints"));
    // The sounders' keys are still in the table: they must not show as
    // faults of the points with function 0x80.
    QCOMPARE(pointTable().size(), 3);
    QCOMPARE(outputs.rowCount(), 0);
}

void TestFunctionStatus::functionStatus_faultCountsReadTheSameTable()
{
    store({pointEvent(1, Panel, Loop2, 8), pointEvent(2, Panel, Local2, 7), pointEvent(3, Panel, Loop2, 9),
           pointEvent(4, Panel, Loop2, 8, 1, 6)});
    FunctionStatusQueryModel sounders(Sounders, FunctionStatusQueryModel::FillingMode);
    sounders.refresh();
    QCOMPARE(sounders.rowCount(), 2);
    QSqlQuery count;
    QVERIFY(EventLogQueries::countFilteredEvents(count, 0, true, EventLogQueries::AllPanels));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 2);
    QSqlQuery rows;
    QVERIFY(EventLogQueries::selectFilteredEvents(rows, 0, true, EventLogQueries::AllPanels, -1));
    QList<int> seqNos;
    while (rows.next())
        seqNos << rows.value(QStringLiteral("seqNo")).toInt();
    QCOMPARE(seqNos, (QList<int>{2, 1}));
}

void TestFunctionStatus::functionStatus_underTheModelTester()
{
    store({pointEvent(1, Panel, Loop2, 8), pointEvent(2, Panel, Local2, 7)});
    FunctionStatusQueryModel model(Sounders, FunctionStatusQueryModel::FillingMode);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.refresh();
    QCOMPARE(model.rowCount(), 2);
    store({pointEvent(3, 4, ScriptedSite::loop(1), 3)});
    model.refresh();
    QCOMPARE(model.rowCount(), 3);
    model.refresh();
    QCOMPARE(model.rowCount(), 3);
}

QTEST_MAIN(TestFunctionStatus)
#include "tst_functionstatus.moc"

#include "DbSignalLog.h"
#include "EventFixtures.h"
#include "MessageCapture.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogTable.h"
#include "link/HighPriorityStatus.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using EventFixtures::fireReset;
using EventFixtures::makeEvent;
using EventFixtures::range;
using EventFixtures::restoral;
using EventFixtures::rowCount;
using EventFixtures::StatusRecorder;
using EventFixtures::storedSeqNos;
using EventLog::EventData;

namespace {

EL_EventLogDBbase *db()
{
    return EL_EventLogDBbase::instance();
}

bool insertLive(const EventData &data)
{
    return db()->insertData(&data, true);
}

bool insertHistoric(const EventData &data)
{
    return db()->insertData(&data, false);
}

bool insertHeld(const EventData &data)
{
    return db()->insertData(&data, true, EL_EventLogDBbase::Commit::Held);
}

// What waits for the held events, in order, with the answer each had.
struct CommitWaiter
{
    void waitFor(const QString &name)
    {
        db()->afterCommit([this, name](bool committed) { log << name + (committed ? " stored" : " refused"); });
    }

    QStringList log;
};

// Fills the table with events first..last in one statement, as a full log
// would be before the events under test arrive. It goes through the store,
// as every write of the engine does, so the store knows its rows.
void fill(int first, int last)
{
    QVERIFY(db()->execStatement(
        QStringLiteral("WITH RECURSIVE n(x) AS (SELECT ? UNION ALL SELECT x + 1 FROM n WHERE x < ?) "
                       "INSERT INTO EventLog (seqNo, packedKey, eventCat, restoredEventStatus) "
                       "SELECT x, 999, 4, 0 FROM n"),
        {first, last}));
}

qint64 unrestoredCount()
{
    return EventFixtures::column(QStringLiteral("SELECT COUNT(*) FROM EventLog WHERE restoredEventStatus = 0"))
        .value(0, -1);
}

} // namespace

class TestEventLogDb final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tableStatements();
    void insert_storesEveryField();
    void insert_splitsBits_data();
    void insert_splitsBits();
    void insert_replacesSameSeqNo();
    void eviction_data();
    void eviction();
    void eviction_countsReplacedEventsOnce();
    void eviction_byAgeFromNewest_data();
    void eviction_byAgeFromNewest();
    void restoral_marksOpenEventsOfItsPoint();
    void liveSignals_data();
    void liveSignals();
    void historicEvent_onlyUpdatesTheLog();
    void firstLiveEvent_opensWindow();
    void fireZones_followLiveFires();
    void failedInsert_changesNothing();
    void closedDatabase_refusesInserts();
    void fireReset_firstIsAccepted();
    void fireReset_onlyOfThisPanelAndCode_data();
    void fireReset_onlyOfThisPanelAndCode();
    void fireReset_needsCompleteLog_data();
    void fireReset_needsCompleteLog();
    void fireReset_justPastWrap();
    void fireReset_afterARefusedOneIsStillChecked();
    void prune_data();
    void prune();
    void execStatement_bindsValues();
    void execStatement_trims();
    void execStatement_failure();
    void execStatement_failedTransaction_data();
    void execStatement_failedTransaction();
    void insert_refusedTransaction();
    void held_sameAsAtOnce_data();
    void held_sameAsAtOnce();
    void held_refusedCommitStoresNone();
    void held_refusedEventLeavesTheOthers_data();
    void held_refusedEventLeavesTheOthers();
    void held_replacedEventsAreCountedOnce();
    void held_fireIndicationsAreNotHeld_data();
    void held_fireIndicationsAreNotHeld();
    void held_otherWritesCommitFirst_data();
    void held_otherWritesCommitFirst();
    void clearTable();
    void leftoverFile_data();
    void leftoverFile();
    void seqNoRangeOperator();

private:
    QTemporaryDir m_dataDir;
    StatusRecorder m_status;
};

void TestEventLogDb::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir::setCurrent(m_dataDir.path()));
    // This panel is 1; its fire resets are codes 0x0301 and 0x0302.
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setResetEventCode1(0x0301);
    config->setResetEventCode2(0x0302);
}

void TestEventLogDb::init()
{
    m_status.calls.clear();
    EventLog::HighPriorityStatus::install(&m_status);
    EL_EventLogDBbase::destroyInstance();
    QVERIFY(db());
}

void TestEventLogDb::cleanup()
{
    EL_EventLogDBbase::destroyInstance();
    EventLog::HighPriorityStatus::install(nullptr);
}

void TestEventLogDb::tableStatements()
{
    QCOMPARE(EventLogTable::createStatement(),
             QStringLiteral("CREATE TABLE IF NOT EXISTS EventLog (seqNo INTEGER PRIMARY KEY,packedKey INTEGER,"
                            "node INTEGER,channel INTEGER,channelAddr INTEGER,pointCat INTEGER,pointNum INTEGER,"
                            "logicalPointNum INTEGER,logicalPointZone INTEGER,deviceType INTEGER,eventCode INTEGER,"
                            "zone INTEGER,sector INTEGER,timeAndDate INTEGER,priority INTEGER,stdPriority INTEGER,"
                            "eventCat INTEGER,restoredEventStatus INTEGER,activeEventStatus INTEGER,"
                            "acceptStatus INTEGER,pointInput INTEGER,pointOutput INTEGER,eventChannel INTEGER,"
                            "clientID INTEGER,totalNoEvents INTEGER,eventPosTotal INTEGER,extDataProvided INTEGER,"
                            "infoTextID INTEGER,soloDetector INTEGER)"));
    QCOMPARE(EventLogTable::indexStatement(),
             QStringLiteral("CREATE INDEX IF NOT EXISTS packedKeyIndex ON EventLog (packedKey,restoredEventStatus)"));
    QVERIFY(EventLogTable::insertStatement().startsWith(
        QStringLiteral("INSERT OR REPLACE INTO EventLog (seqNo,packedKey,node,channel,")));
    QVERIFY(EventLogTable::insertStatement().endsWith(QStringLiteral("soloDetector) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,"
                                                                     "?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);")));
    // The database has them.
    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN "
                                                  "('EventLog', 'packedKeyIndex', 'timeIndex')")),
             QVector<qint64>{3});
}

void TestEventLogDb::insert_storesEveryField()
{
    EventData data;
    data.node = 5;
    data.channel = 12;
    data.channelAddr = 7;
    data.pointCat = 3;
    data.pointNum = 200;
    data.logicalPointNum = 21;
    data.logicalPointZone = 22;
    data.deviceType = 23;
    data.eventCode = 0xBEEF;
    data.seqNo = 65535;
    data.zone = 240;
    data.sector = 24;
    data.timeAndDate = 0xFFFFFFF0u;
    data.priority = 25;
    data.stdPriority = 26;
    data.eventCat = 0x84;
    data.acceptStatus = 2;
    data.clientID = 0xABCD;
    data.totalNoEvents = 40000;
    data.eventPosTotal = 39999;
    data.extDataProvided = 4;
    data.infoTextID = 77;

    QVERIFY(insertHistoric(data));

    QSqlQuery query(QStringLiteral("SELECT * FROM EventLog"));
    QVERIFY(query.next());
    const QSqlRecord row = query.record();
    const QList<QPair<const char *, qint64>> expected{
        {"seqNo", 65535},       {"packedKey", 0xC8073C05u},   {"node", 5},
        {"channel", 12},        {"channelAddr", 7},           {"pointCat", 3},
        {"pointNum", 200},      {"logicalPointNum", 21},      {"logicalPointZone", 22},
        {"deviceType", 23},     {"eventCode", 0xBEEF},        {"zone", 240},
        {"sector", 24},         {"timeAndDate", 0xFFFFFFF0u}, {"priority", 25},
        {"stdPriority", 26},    {"eventCat", 0x84},           {"acceptStatus", 2},
        {"clientID", 0xABCD},   {"totalNoEvents", 40000},     {"eventPosTotal", 39999},
        {"extDataProvided", 4}, {"infoTextID", 77},
    };
    for (const auto &[name, value] : expected)
        QVERIFY2(row.value(QLatin1String(name)).toLongLong() == value, name);
    QCOMPARE(row.count(), 29);
}

void TestEventLogDb::insert_splitsBits_data()
{
    QTest::addColumn<int>("statusBits");
    QTest::addColumn<int>("pointBits");
    QTest::addColumn<int>("extDataProvided");
    // restored, active, input, output, channel, solo, infoTextID
    QTest::addColumn<QVector<qint64>>("columns");

    QTest::newRow("all clear") << 0x00 << 0x00 << 4 << QVector<qint64>{0, 0, 0, 0, 0, 0, 9};
    QTest::newRow("restored") << 0x01 << 0x00 << 4 << QVector<qint64>{1, 0, 0, 0, 0, 0, 9};
    QTest::newRow("active 3") << 0x06 << 0x00 << 4 << QVector<qint64>{0, 3, 0, 0, 0, 0, 9};
    QTest::newRow("status high bits ignored") << 0xF8 << 0x00 << 4 << QVector<qint64>{0, 0, 0, 0, 0, 0, 9};
    QTest::newRow("point output") << 0x00 << 0x01 << 4 << QVector<qint64>{0, 0, 0, 1, 0, 0, 9};
    QTest::newRow("event channel") << 0x00 << 0x02 << 4 << QVector<qint64>{0, 0, 0, 0, 1, 0, 9};
    QTest::newRow("solo detector") << 0x00 << 0x04 << 4 << QVector<qint64>{0, 0, 0, 0, 0, 1, 9};
    QTest::newRow("input 7") << 0x00 << 0x38 << 4 << QVector<qint64>{0, 0, 7, 0, 0, 0, 9};
    QTest::newRow("input 8 from bit 7") << 0x00 << 0x80 << 4 << QVector<qint64>{0, 0, 8, 0, 0, 0, 9};
    QTest::newRow("input 15, bit 6 unused") << 0x00 << 0xF8 << 4 << QVector<qint64>{0, 0, 15, 0, 0, 0, 9};
    QTest::newRow("no info text") << 0x00 << 0x00 << 0 << QVector<qint64>{0, 0, 0, 0, 0, 0, 255};
    QTest::newRow("other extended data") << 0x00 << 0x00 << 5 << QVector<qint64>{0, 0, 0, 0, 0, 0, 255};
}

void TestEventLogDb::insert_splitsBits()
{
    QFETCH(int, statusBits);
    QFETCH(int, pointBits);
    QFETCH(int, extDataProvided);
    EventData data = makeEvent(1);
    data.statusBits = quint8(statusBits);
    data.pointBits = quint8(pointBits);
    data.extDataProvided = quint8(extDataProvided);
    data.infoTextID = 9;

    QVERIFY(insertHistoric(data));

    QSqlQuery query(QStringLiteral("SELECT restoredEventStatus, activeEventStatus, pointInput, pointOutput, "
                                   "eventChannel, soloDetector, infoTextID FROM EventLog"));
    QVERIFY(query.next());
    QVector<qint64> columns;
    for (int i = 0; i < 7; ++i)
        columns << query.value(i).toLongLong();
    QTEST(columns, "columns");
}

void TestEventLogDb::insert_replacesSameSeqNo()
{
    QVERIFY(insertLive(makeEvent(42, EventLog::CategoryFault, 1, 1, 1)));
    QVERIFY(insertLive(makeEvent(42, EventLog::CategoryFire, 2, 3, 4)));

    QCOMPARE(rowCount(), 1);
    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT node * 10000 + zone * 100 + eventCat FROM EventLog")),
             QVector<qint64>{20308});
}

void TestEventLogDb::eviction_data()
{
    QTest::addColumn<int>("fillFirst");
    QTest::addColumn<int>("fillLast");
    QTest::addColumn<QVector<int>>("live");
    QTest::addColumn<QVector<int>>("historic");
    QTest::addColumn<QVector<qint64>>("kept");
    QTest::addColumn<QVector<qint64>>("dropped");

    QTest::newRow("10001st live event drops the lowest") << 2 << 10001 << QVector<int>{10002} << QVector<int>{}
                                                         << QVector<qint64>{3, 10001, 10002} << QVector<qint64>{2};
    QTest::newRow("10001st historic event drops the lowest")
        << 1 << 10000 << QVector<int>{} << QVector<int>{0} << QVector<qint64>{1, 10000} << QVector<qint64>{0};
    QTest::newRow("10000 events keep all")
        << 1 << 9999 << QVector<int>{10000} << QVector<int>{} << QVector<qint64>{1, 10000} << QVector<qint64>{};
    // The window wrapped through 65535: the numbers just past the wrap are
    // the newest, the ones above the latest bound the oldest.
    QTest::newRow("after a wrap 0, 1, 2 survive")
        << 55537 << 65534 << QVector<int>{55536, 65535, 0, 1, 2} << QVector<int>{}
        << QVector<qint64>{0, 1, 2, 55539, 65535} << QVector<qint64>{55536, 55537, 55538};
    QTest::newRow("after a wrap an event outside the window goes first")
        << 55537 << 65534 << QVector<int>{55536, 65535, 0} << QVector<int>{30000} << QVector<qint64>{0, 55537, 65535}
        << QVector<qint64>{30000, 55536};
}

void TestEventLogDb::eviction()
{
    QFETCH(int, fillFirst);
    QFETCH(int, fillLast);
    QFETCH(QVector<int>, live);
    QFETCH(QVector<int>, historic);
    QFETCH(QVector<qint64>, kept);
    QFETCH(QVector<qint64>, dropped);
    fill(fillFirst, fillLast);

    for (int seqNo : live)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    for (int seqNo : historic)
        QVERIFY(insertHistoric(makeEvent(EventLog::SeqNum_t(seqNo))));

    QCOMPARE(rowCount(),
             qMin<qint64>(EL_EventLogDBbase::MaxEvents, fillLast - fillFirst + 1 + live.size() + historic.size()));
    const QVector<qint64> stored = storedSeqNos();
    for (qint64 seqNo : kept)
        QVERIFY2(std::binary_search(stored.cbegin(), stored.cend(), seqNo), qPrintable(QString::number(seqNo)));
    for (qint64 seqNo : dropped)
        QVERIFY2(!std::binary_search(stored.cbegin(), stored.cend(), seqNo), qPrintable(QString::number(seqNo)));
}

// An event sent again replaces its row and adds none: a full log that takes
// it again and again keeps every other event, and the next new one drops
// exactly one.
void TestEventLogDb::eviction_countsReplacedEventsOnce()
{
    fill(1, EL_EventLogDBbase::MaxEvents);
    for (int again = 0; again < 3; ++again)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents))));
    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 1);
    QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents + 1))));
    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 2);
    // Cleared and pruned tables are counted afresh.
    QVERIFY(db()->clearTable(QStringLiteral("EventLog")));
    fill(1, EL_EventLogDBbase::MaxEvents - 1);
    QVERIFY(insertHistoric(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents))));
    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 1);
}

// The controller's numbers wrapped past 65535 while the window is not
// wrapped: right after a fire reset, or at start, when the window opens at
// the first live event and the history arrives afterwards. The oldest events
// are those furthest back from the newest number, not the lowest numbers.
void TestEventLogDb::eviction_byAgeFromNewest_data()
{
    QTest::addColumn<bool>("resetFirst");
    QTest::newRow("reset after a wrap") << true;
    QTest::newRow("start after a wrap") << false;
}

void TestEventLogDb::eviction_byAgeFromNewest()
{
    QFETCH(bool, resetFirst);
    if (resetFirst) {
        for (int seqNo = 56000; seqNo < 65536 + 464; ++seqNo)
            QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
        QVERIFY(insertLive(fireReset(464)));
        QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(464));
    } else {
        QVERIFY(insertLive(makeEvent(464)));
        fill(56000, 65535);
        fill(0, 463);
    }

    for (int seqNo = 465; seqNo <= 2464; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));

    // The window itself has not wrapped.
    QVERIFY(db()->currResetOrOldestSeqNo() <= db()->latestCurrSeqNo());
    // The newest 10000: 2464 back to 58001 through the wrap.
    QCOMPARE(storedSeqNos(), range(0, 2464) + range(58001, 65535));
}

void TestEventLogDb::restoral_marksOpenEventsOfItsPoint()
{
    QVERIFY(insertLive(makeEvent(1, EventLog::CategoryFault, 1, 1, 1)));
    QVERIFY(insertLive(makeEvent(2, EventLog::CategoryFire, 1, 1, 1)));
    QVERIFY(insertLive(makeEvent(3, EventLog::CategoryFault, 1, 1, 2)));
    QVERIFY(insertHistoric(makeEvent(4, EventLog::CategoryFault, 2, 1, 1)));

    QVERIFY(insertLive(restoral(5, EventLog::CategoryFault, EventLog::CategoryNone, 1)));

    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT restoredEventStatus FROM EventLog ORDER BY seqNo")),
             (QVector<qint64>{1, 1, 0, 0, 1}));

    // A historic restoral marks nothing.
    QVERIFY(insertHistoric(restoral(6, EventLog::CategoryFault, EventLog::CategoryNone, 2)));
    QCOMPARE(unrestoredCount(), 2);
}

void TestEventLogDb::liveSignals_data()
{
    QTest::addColumn<int>("eventCat");
    QTest::addColumn<int>("statusBits");
    QTest::addColumn<QStringList>("emitted");

    const QStringList tail{"warnings", "new10", "outstanding", "logUpdated"};
    QTest::newRow("fire") << 0x08 << 0 << QStringList{"fires"} + tail;
    QTest::newRow("fault") << 0x04 << 0 << QStringList{"faults"} + tail;
    QTest::newRow("disablement") << 0x03 << 0 << QStringList{"disablements", "settled10"} + tail;
    QTest::newRow("other category") << 0x01 << 0 << tail;
    QTest::newRow("category 0") << 0x00 << 0 << tail;
    QTest::newRow("no category") << 0x0F << 0 << QStringList{"outstanding", "logUpdated"};
    QTest::newRow("restoral of a fire") << 0x81 << 1 << QStringList{"fires"} + tail;
    QTest::newRow("restoral of a fault, no own category")
        << 0x4F << 1 << QStringList{"faults", "outstanding", "logUpdated"};
    QTest::newRow("restoral of a disablement")
        << 0x3F << 1 << QStringList{"disablements", "settled10", "outstanding", "logUpdated"};
    QTest::newRow("high bits without the restored flag") << 0x84 << 0 << QStringList{"faults"} + tail;
    QTest::newRow("fire wins over fault") << 0x48 << 1 << QStringList{"fires"} + tail;
}

void TestEventLogDb::liveSignals()
{
    QFETCH(int, eventCat);
    QFETCH(int, statusBits);
    EventData data = makeEvent(10, quint8(eventCat));
    data.statusBits = quint8(statusBits);
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(data));

    QTEST(signalLog.categories(), "emitted");
}

void TestEventLogDb::historicEvent_onlyUpdatesTheLog()
{
    DbSignalLog signalLog(db());

    QVERIFY(insertHistoric(makeEvent(10, EventLog::CategoryFire)));
    QVERIFY(insertHistoric(restoral(11, EventLog::CategoryFire, EventLog::CategoryFire)));

    QCOMPARE(signalLog.log, (QStringList{"logUpdated", "logUpdated"}));
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(0));
    QVERIFY(!db()->firstFireZone().set);
}

void TestEventLogDb::firstLiveEvent_opensWindow()
{
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(makeEvent(500)));
    QCOMPARE(signalLog.bounds(), QStringLiteral("L500 B500 L500"));
    // Bounds are told before what kind of event it was.
    QCOMPARE(signalLog.log.first(), QStringLiteral("L500"));
    QCOMPARE(db()->currResetOrOldestSeqNo(), EventLog::SeqNum_t(500));
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(500));

    signalLog.log.clear();
    QVERIFY(insertLive(makeEvent(501)));
    QCOMPARE(signalLog.bounds(), QStringLiteral("L501"));
}

void TestEventLogDb::fireZones_followLiveFires()
{
    QVERIFY(insertLive(makeEvent(1, EventLog::CategoryFire, 2, 7)));
    QVERIFY(insertLive(makeEvent(2, EventLog::CategoryFault, 2, 8)));
    QVERIFY(insertLive(makeEvent(3, EventLog::CategoryFire, 2, 9)));

    QVERIFY(db()->firstFireZone().set);
    QCOMPARE(db()->firstFireZone().key, quint16(2 << 8 | 7));
    QCOMPARE(db()->secondFireZone().key, quint16(2 << 8 | 9));
    QCOMPARE(db()->lastNewFireZone().key, quint16(2 << 8 | 9));
}

// A failed insert stores nothing, moves nothing and tells no listener that
// an event of its kind arrived.
void TestEventLogDb::failedInsert_changesNothing()
{
    QVERIFY(insertLive(makeEvent(12, EventLog::CategoryFault, 1, 1, 1)));
    QSqlQuery trigger;
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON EventLog WHEN NEW.seqNo = 13 "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    DbSignalLog signalLog(db());

    QVERIFY(!insertLive(makeEvent(13, EventLog::CategoryFire, 1, 4, 1)));
    QVERIFY(!insertLive(restoral(13, EventLog::CategoryFault, EventLog::CategoryFire, 1)));
    QVERIFY(!insertLive(fireReset(13)));

    QCOMPARE(signalLog.log, (QStringList{"logUpdated", "logUpdated", "logUpdated"}));
    QCOMPARE(storedSeqNos(), QVector<qint64>{12});
    QCOMPARE(unrestoredCount(), 1);
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(12));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(0));
    QVERIFY(!db()->firstFireZone().set);
    QVERIFY(m_status.calls.isEmpty());
}

void TestEventLogDb::closedDatabase_refusesInserts()
{
    db()->close();
    MessageCapture capture;
    DbSignalLog signalLog(db());

    QVERIFY(!insertLive(makeEvent(1, EventLog::CategoryFire)));

    QVERIFY(capture.contains(QStringLiteral("Failed to setup query")));
    QVERIFY(signalLog.log.isEmpty());
}

void TestEventLogDb::fireReset_firstIsAccepted()
{
    QVERIFY(insertLive(makeEvent(5, EventLog::CategoryFault)));
    QVERIFY(insertLive(makeEvent(6, EventLog::CategoryFire, 1, 3)));
    DbSignalLog signalLog(db());

    // Number 8 is missing: the first reset is taken without the check.
    QVERIFY(insertLive(fireReset(9)));

    QCOMPARE(signalLog.bounds(), QStringLiteral("B9 L9 L9"));
    QCOMPARE(signalLog.categories(),
             (QStringList{"reset9", "fires", "faults", "warnings", "disablements", "clearOnReset", "logUpdated"}));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(9));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{5, 6, 9}));
    // Only the reset itself is open.
    QCOMPARE(unrestoredCount(), 1);
    QVERIFY(!db()->firstFireZone().set);
    QCOMPARE(m_status.calls, (QList<QPair<quint32, quint32>>{{0, 0}}));

    // The fire zones start again.
    QVERIFY(insertLive(makeEvent(10, EventLog::CategoryFire, 1, 3)));
    QCOMPARE(db()->firstFireZone().key, quint16(1 << 8 | 3));
}

void TestEventLogDb::fireReset_onlyOfThisPanelAndCode_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("isReset");
    QTest::addColumn<qint64>("unrestored");

    QTest::newRow("first code") << 1 << 0x0301 << true << qint64(1);
    QTest::newRow("second code") << 1 << 0x0302 << true << qint64(1);
    QTest::newRow("another panel") << 2 << 0x0301 << false << qint64(2);
    QTest::newRow("another code") << 1 << 0x0303 << false << qint64(2);
}

void TestEventLogDb::fireReset_onlyOfThisPanelAndCode()
{
    QFETCH(int, node);
    QFETCH(int, code);
    QVERIFY(insertLive(makeEvent(5, EventLog::CategoryFault)));
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(fireReset(6, quint8(node), quint16(code))));

    QTEST(signalLog.categories().contains(QStringLiteral("reset6")), "isReset");
    QTEST(db()->fireResetSeqNo() == 6, "isReset");
    QTEST(unrestoredCount(), "unrestored");
}

void TestEventLogDb::fireReset_needsCompleteLog_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("all 500 events stored") << 0 << true;
    QTest::newRow("one missing") << 1 << false;
    QTest::newRow("50 missing") << 50 << false;
}

void TestEventLogDb::fireReset_needsCompleteLog()
{
    QFETCH(int, missing);
    QFETCH(bool, accepted);
    QVERIFY(insertLive(fireReset(200)));
    for (int seqNo = 201 + missing; seqNo < 700; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(fireReset(700)));

    // Accepted or not, the reset is in the log and the window starts at it.
    QVERIFY(storedSeqNos().contains(700));
    QCOMPARE(db()->currResetOrOldestSeqNo(), EventLog::SeqNum_t(700));
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(700));
    if (accepted) {
        QCOMPARE(signalLog.bounds(), QStringLiteral("B700 L700 L700"));
        QVERIFY(signalLog.categories().contains(QStringLiteral("reset700")));
        QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(700));
        QCOMPARE(unrestoredCount(), 1);
    } else {
        QCOMPARE(signalLog.bounds(), QStringLiteral("B0 L0 L700 B700 L700"));
        QCOMPARE(signalLog.categories(), (QStringList{"stale", "resync", "outstanding", "logUpdated"}));
        QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(0));
        // Nothing was restored: the events since 200 and both resets are open.
        QCOMPARE(unrestoredCount(), 499 - missing + 2);
    }
}

void TestEventLogDb::fireReset_justPastWrap()
{
    QVERIFY(insertLive(fireReset(65000)));
    for (int seqNo = 65001; seqNo < 65536 + 100; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(fireReset(100)));

    QVERIFY(signalLog.categories().contains(QStringLiteral("reset100")));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(100));
}

// A refused reset does not lift the check: the reset after it is accepted
// only when the log holds every event since.
void TestEventLogDb::fireReset_afterARefusedOneIsStillChecked()
{
    QVERIFY(insertLive(fireReset(200)));
    for (int seqNo = 251; seqNo < 700; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    QVERIFY(insertLive(fireReset(700)));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(0));
    for (int seqNo = 702; seqNo < 800; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    DbSignalLog signalLog(db());

    QVERIFY(insertLive(fireReset(800)));

    QVERIFY(!signalLog.categories().contains(QStringLiteral("reset800")));
    QVERIFY(signalLog.categories().contains(QStringLiteral("resync")));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(0));
    QCOMPARE(m_status.calls.size(), 1);

    // With the missing event there, the next reset is accepted.
    QVERIFY(insertHistoric(makeEvent(801)));
    for (int seqNo = 802; seqNo < 900; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo))));
    QVERIFY(insertLive(fireReset(900)));
    QCOMPARE(db()->fireResetSeqNo(), EventLog::SeqNum_t(900));
}

void TestEventLogDb::prune_data()
{
    QTest::addColumn<int>("seqNo");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");
    QTest::addColumn<QVector<int>>("stored");
    QTest::addColumn<QVector<qint64>>("kept");

    QTest::newRow("outside 900..1201 goes")
        << 1000 << 100 << 300 << QVector<int>{899, 900, 1000, 1201, 1202, 5} << QVector<qint64>{900, 1000, 1201};
    QTest::newRow("a log through 65535 keeps both ends")
        << 100 << 200 << 300 << QVector<int>{30000, 65435, 65436, 65535, 0, 201, 202}
        << QVector<qint64>{0, 201, 65436, 65535};
    QTest::newRow("a log ending at 65535")
        << 65535 << 9 << 9 << QVector<int>{65525, 65526, 65535, 0, 1} << QVector<qint64>{0, 65526, 65535};
    QTest::newRow("empty controller log keeps two") << 7 << 0 << 0 << QVector<int>{6, 7, 8, 9} << QVector<qint64>{7, 8};
    QTest::newRow("whole range kept") << 7 << 0 << 65535 << QVector<int>{0, 6, 65535} << QVector<qint64>{0, 6, 65535};
    QTest::newRow("negative position ignored") << 7 << -1 << 10 << QVector<int>{1, 2000} << QVector<qint64>{1, 2000};
    QTest::newRow("total beyond 16 bits ignored")
        << 7 << 1 << 70000 << QVector<int>{1, 2000} << QVector<qint64>{1, 2000};
}

void TestEventLogDb::prune()
{
    QFETCH(int, seqNo);
    QFETCH(int, position);
    QFETCH(int, total);
    QFETCH(QVector<int>, stored);
    for (int number : stored)
        QVERIFY(insertHistoric(makeEvent(EventLog::SeqNum_t(number))));

    db()->pruneSeqNoRange(EventLog::SeqNum_t(seqNo), position, total);

    QTEST(storedSeqNos(), "kept");
}

void TestEventLogDb::execStatement_bindsValues()
{
    QVERIFY(insertLive(makeEvent(5)));
    QVERIFY(insertLive(makeEvent(6)));
    const QString accept =
        QStringLiteral("UPDATE EventLog SET acceptStatus=? WHERE node=? AND channel=? AND channelAddr=? AND seqNo=? "
                       "AND eventCode=?");

    QVERIFY(db()->execStatement(accept, {1, 1, 0, 1, 5, 100}));
    // A value is only ever a value, never SQL.
    QVERIFY(db()->execStatement(accept, {2, QStringLiteral("1 OR 1=1"), 0, 1, 6, 100}));

    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT acceptStatus FROM EventLog ORDER BY seqNo")),
             (QVector<qint64>{1, 3}));
}

void TestEventLogDb::execStatement_trims()
{
    QVERIFY(db()->execStatement(
        QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 10005) "
                       "INSERT INTO EventLog (seqNo) SELECT x FROM n")));

    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 6);
}

void TestEventLogDb::execStatement_failure()
{
    QVERIFY(insertLive(makeEvent(5)));
    MessageCapture capture;

    QVERIFY(!db()->execStatement(QStringLiteral("UPDATE NoSuchTable SET x = 1")));
    QVERIFY(!db()->execStatement(QStringLiteral("UPDATE EventLog SET acceptStatus = 7 WHERE seqNo = ?")));

    QVERIFY(capture.contains(QStringLiteral("Database failure : ")));
    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT acceptStatus FROM EventLog")), QVector<qint64>{3});
    // The failed statements left no transaction open.
    QVERIFY(insertLive(makeEvent(6)));
    QCOMPARE(rowCount(), 2);
}

void TestEventLogDb::execStatement_failedTransaction_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("teardown");
    QTest::addColumn<QString>("warning");

    // A deferred foreign key is checked only at commit: the update itself
    // succeeds and the commit is refused.
    QTest::newRow("commit refused") << QStringList{QStringLiteral("PRAGMA foreign_keys = ON"),
                                                   QStringLiteral("CREATE TABLE Parent (id INTEGER PRIMARY KEY)"),
                                                   QStringLiteral(
                                                       "CREATE TABLE Child (parent INTEGER REFERENCES Parent (id) "
                                                       "DEFERRABLE INITIALLY DEFERRED)"),
                                                   QStringLiteral("CREATE TRIGGER orphan AFTER UPDATE ON EventLog "
                                                                  "BEGIN INSERT INTO Child VALUES (42); END")}
                                    << QString() << "commit failed";
    // A transaction already open on the connection cannot be begun again;
    // committing it would store what its owner has not finished.
    QTest::newRow("begin refused") << QStringList{QStringLiteral("BEGIN")} << QStringLiteral("ROLLBACK")
                                   << "cannot begin a transaction";
}

void TestEventLogDb::execStatement_failedTransaction()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, teardown);
    QFETCH(QString, warning);
    QVERIFY(insertLive(makeEvent(5)));
    QSqlQuery query;
    for (const QString &statement : setup)
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    MessageCapture capture;

    QVERIFY(!db()->execStatement(QStringLiteral("UPDATE EventLog SET acceptStatus = 7")));

    QVERIFY(capture.contains(QStringLiteral("EL_EventLogDBbase::execStatement")));
    QVERIFY(capture.contains(warning));
    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT acceptStatus FROM EventLog")), QVector<qint64>{3});
    if (!teardown.isEmpty())
        QVERIFY2(query.exec(teardown), qPrintable(query.lastError().text()));
    // No transaction was left open: the next event is stored on its own.
    QVERIFY(insertLive(makeEvent(6)));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{5, 6}));
}

void TestEventLogDb::insert_refusedTransaction()
{
    QVERIFY(insertLive(makeEvent(5)));
    QSqlQuery outer;
    QVERIFY(outer.exec(QStringLiteral("BEGIN")));
    MessageCapture capture;
    DbSignalLog signalLog(db());

    QVERIFY(!insertLive(makeEvent(6, EventLog::CategoryFire)));

    QVERIFY(capture.contains(QStringLiteral("cannot begin a transaction")));
    QCOMPARE(storedSeqNos(), QVector<qint64>{5});
    QCOMPARE(signalLog.log, QStringList{"logUpdated"});
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(5));
    QVERIFY(outer.exec(QStringLiteral("ROLLBACK")));
    QVERIFY(insertLive(makeEvent(6)));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{5, 6}));
}

// Held events end as the same events stored one by one: the same rows,
// window and signals, only later, and nothing before the commit.
void TestEventLogDb::held_sameAsAtOnce_data()
{
    QTest::addColumn<QVector<EventData>>("events");
    QTest::newRow("one fault") << QVector<EventData>{makeEvent(10)};
    QTest::newRow("faults, a disablement, a warning")
        << QVector<EventData>{makeEvent(10), makeEvent(11, EventLog::CategoryDisablement, 1, 1, 2),
                              makeEvent(12, 0x01, 2), makeEvent(13, EventLog::CategoryNone)};
    QTest::newRow("a fault and its restoral")
        << QVector<EventData>{makeEvent(10, EventLog::CategoryFault, 1, 1, 5),
                              restoral(11, EventLog::CategoryFault, EventLog::CategoryNone, 5)};
    QTest::newRow("through the wrap") << QVector<EventData>{makeEvent(65534), makeEvent(65535), makeEvent(0)};
}

void TestEventLogDb::held_sameAsAtOnce()
{
    QFETCH(QVector<EventData>, events);
    QVERIFY(insertLive(makeEvent(5)));
    DbSignalLog oneByOne(db());
    for (const EventData &event : events)
        QVERIFY(insertLive(event));
    const QVector<qint64> rows = storedSeqNos();
    const qint64 unrestored = unrestoredCount();
    const EventLog::SeqNum_t latest = db()->latestCurrSeqNo();

    EL_EventLogDBbase::destroyInstance();
    QVERIFY(insertLive(makeEvent(5)));
    DbSignalLog held(db());
    CommitWaiter waiter;
    for (const EventData &event : events) {
        QVERIFY(insertHeld(event));
        waiter.waitFor(QString::number(event.seqNo));
    }
    QVERIFY(held.log.isEmpty());
    QVERIFY(waiter.log.isEmpty());

    QVERIFY(db()->commitHeld());

    QCOMPARE(held.log, oneByOne.log);
    QCOMPARE(waiter.log.size(), events.size());
    QVERIFY(waiter.log.filter(QStringLiteral("refused")).isEmpty());
    QCOMPARE(storedSeqNos(), rows);
    QCOMPARE(unrestoredCount(), unrestored);
    QCOMPARE(db()->latestCurrSeqNo(), latest);
    // Nothing is held any more: the next waiter runs at once.
    waiter.waitFor(QStringLiteral("later"));
    QCOMPARE(waiter.log.last(), QStringLiteral("later stored"));
}

// A commit refused stores none of the held events, tells no listener of
// them, puts the window back and tells each waiter.
void TestEventLogDb::held_refusedCommitStoresNone()
{
    QVERIFY(insertLive(makeEvent(12)));
    QSqlQuery query;
    for (const char *statement : {"PRAGMA foreign_keys = ON", "CREATE TABLE Parent (id INTEGER PRIMARY KEY)",
                                  "CREATE TABLE Child (parent INTEGER REFERENCES Parent (id) DEFERRABLE INITIALLY "
                                  "DEFERRED)",
                                  "CREATE TRIGGER orphan AFTER INSERT ON EventLog WHEN NEW.seqNo = 14 "
                                  "BEGIN INSERT INTO Child VALUES (42); END"})
        QVERIFY2(query.exec(QLatin1String(statement)), qPrintable(query.lastError().text()));
    DbSignalLog signalLog(db());
    CommitWaiter waiter;
    MessageCapture capture;

    QVERIFY(insertHeld(makeEvent(13)));
    waiter.waitFor(QStringLiteral("13"));
    QVERIFY(insertHeld(makeEvent(14)));
    waiter.waitFor(QStringLiteral("14"));
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(14));

    QVERIFY(!db()->commitHeld());

    QCOMPARE(waiter.log, (QStringList{"13 refused", "14 refused"}));
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(storedSeqNos(), QVector<qint64>{12});
    QCOMPARE(db()->latestCurrSeqNo(), EventLog::SeqNum_t(12));
    QVERIFY(capture.contains(QStringLiteral("2 live events not stored")));
    // No transaction was left open: the next event is stored and counted.
    QVERIFY(insertLive(makeEvent(15)));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{12, 15}));
    QCOMPARE(signalLog.bounds(), QStringLiteral("L15"));
}

// A held event the database refuses is refused alone, with whatever it had
// changed before the refusal: the marks of a restoral, the insert of an
// event whose eviction was refused. The others stay held and are stored.
void TestEventLogDb::held_refusedEventLeavesTheOthers_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<EventData>("refused");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("an event refused at its insert")
        << false << makeEvent(14) << "BEFORE INSERT ON EventLog WHEN NEW.seqNo = 14";
    QTest::newRow("a restoral refused after its marks")
        << false << restoral(14, EventLog::CategoryFault, EventLog::CategoryNone)
        << "BEFORE INSERT ON EventLog WHEN NEW.seqNo = 14";
    QTest::newRow("an event whose eviction is refused")
        << true << makeEvent(14) << "BEFORE DELETE ON EventLog WHEN OLD.seqNo = 16";
}

void TestEventLogDb::held_refusedEventLeavesTheOthers()
{
    QFETCH(bool, full);
    QFETCH(EventData, refused);
    QFETCH(QString, refusal);
    // A full log evicts the lowest numbers: 15 and 16 are the oldest there.
    if (full)
        fill(15, 15 + EL_EventLogDBbase::MaxEvents - 2);
    QVERIFY(insertLive(makeEvent(12)));
    const QVector<qint64> before = storedSeqNos();
    const qint64 unrestoredBefore = unrestoredCount();
    QSqlQuery trigger;
    QVERIFY(trigger.exec(
        QStringLiteral("CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(refusal)));
    DbSignalLog signalLog(db());

    QVERIFY(insertHeld(makeEvent(13, EventLog::CategoryDisablement)));
    QVERIFY(!insertHeld(refused));
    if (!full)
        QVERIFY(insertHeld(makeEvent(15)));
    QVERIFY(db()->commitHeld());

    QVector<qint64> expected = before;
    if (full) {
        // 13 was stored and evicted 15; nothing of 14 is left.
        expected.removeOne(15);
        expected << 13;
    } else {
        expected << 13 << 15;
    }
    std::sort(expected.begin(), expected.end());
    QCOMPARE(storedSeqNos(), expected);
    QCOMPARE(unrestoredCount(), unrestoredBefore + (full ? 0 : 2));
    QCOMPARE(signalLog.categories().mid(0, 6),
             (QStringList{"disablements", "settled13", "warnings", "new13", "outstanding", "logUpdated"}));
    if (!full) {
        QCOMPARE(signalLog.bounds(), QStringLiteral("L13 L15"));
        QCOMPARE(signalLog.categories().mid(6),
                 (QStringList{"logUpdated", "faults", "warnings", "new15", "outstanding", "logUpdated"}));
    }
}

// A held event whose number is stored already replaces that row and adds
// none: the log counts its rows right, and evicts only once it is full.
void TestEventLogDb::held_replacedEventsAreCountedOnce()
{
    fill(1, EL_EventLogDBbase::MaxEvents - 2);
    for (int again = 0; again < 3; ++again)
        QVERIFY(insertHeld(
            makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents - 2), EventLog::CategoryFault, quint8(again))));
    QVERIFY(insertHeld(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents - 1))));
    QVERIFY(insertHeld(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents))));
    QVERIFY(db()->commitHeld());
    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 1);
    QCOMPARE(EventFixtures::column(
                 QStringLiteral("SELECT node FROM EventLog WHERE seqNo = %1").arg(EL_EventLogDBbase::MaxEvents - 2)),
             QVector<qint64>{2});

    QVERIFY(insertHeld(makeEvent(EventLog::SeqNum_t(EL_EventLogDBbase::MaxEvents + 1))));
    QVERIFY(db()->commitHeld());
    QCOMPARE(rowCount(), EL_EventLogDBbase::MaxEvents);
    QCOMPARE(storedSeqNos().first(), 2);
}

// A fire, a fire's restoral or a fire reset is stored at once, after the
// held events before it have been committed and their waiters told.
void TestEventLogDb::held_fireIndicationsAreNotHeld_data()
{
    QTest::addColumn<EventData>("event");
    QTest::addColumn<QString>("signalled");
    QTest::newRow("fire") << makeEvent(14, EventLog::CategoryFire) << "fires";
    QTest::newRow("restoral of a fire") << restoral(14, EventLog::CategoryFire, EventLog::CategoryNone) << "fires";
    QTest::newRow("fire reset") << fireReset(14) << "reset14";
}

void TestEventLogDb::held_fireIndicationsAreNotHeld()
{
    QFETCH(EventData, event);
    QFETCH(QString, signalled);
    QVERIFY(insertLive(makeEvent(12)));
    DbSignalLog signalLog(db());
    CommitWaiter waiter;
    QVERIFY(insertHeld(makeEvent(13)));
    waiter.waitFor(QStringLiteral("13"));
    connect(db(), &EL_EventLogDBbase::eventLogUpdated, this, [&] { waiter.log << QStringLiteral("told"); });

    QVERIFY(insertHeld(event));

    QCOMPARE(waiter.log, (QStringList{"told", "13 stored", "told"}));
    QVERIFY(signalLog.log.contains(signalled));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{12, 13, 14}));
    waiter.waitFor(QStringLiteral("later"));
    QCOMPARE(waiter.log.last(), QStringLiteral("later stored"));
}

// Any other write commits the held events first, so it acts on them as
// stored and cannot share, or lose, their transaction.
void TestEventLogDb::held_otherWritesCommitFirst_data()
{
    QTest::addColumn<int>("writer");
    QTest::newRow("statement") << 0;
    QTest::newRow("table cleared") << 1;
    QTest::newRow("prune") << 2;
    QTest::newRow("historic event") << 3;
    QTest::newRow("live event at once") << 4;
    QTest::newRow("close") << 5;
}

void TestEventLogDb::held_otherWritesCommitFirst()
{
    QFETCH(int, writer);
    const std::function<void()> writers[] = {
        [] { QVERIFY(db()->execStatement(QStringLiteral("UPDATE EventLog SET acceptStatus = 1"))); },
        [] { QVERIFY(db()->clearTable(QStringLiteral("EventLog"))); },
        [] { db()->pruneSeqNoRange(13, 1, 10); },
        [] { QVERIFY(insertHistoric(makeEvent(20))); },
        [] { QVERIFY(insertLive(makeEvent(14))); },
        [] { db()->close(); },
    };
    QVERIFY(insertLive(makeEvent(12)));
    CommitWaiter waiter;
    QVERIFY(insertHeld(makeEvent(13)));
    waiter.waitFor(QStringLiteral("13"));
    connect(db(), &EL_EventLogDBbase::eventLogUpdated, this, [&] { waiter.log << QStringLiteral("told"); });

    writers[writer]();

    QCOMPARE(waiter.log.mid(0, 2), (QStringList{"told", "13 stored"}));
}

void TestEventLogDb::clearTable()
{
    QVERIFY(insertLive(makeEvent(5)));
    QVERIFY(insertLive(makeEvent(6)));
    MessageCapture capture;

    QVERIFY(!db()->clearTable(QStringLiteral("EventLog; DROP TABLE EventLog")));
    QVERIFY(!db()->clearTable(QStringLiteral("NoSuchTable")));
    QVERIFY(capture.contains(QStringLiteral("Database failure : ")));
    QCOMPARE(rowCount(), 2);

    QVERIFY(db()->clearTable(QStringLiteral("EventLog")));
    QCOMPARE(rowCount(), 0);
    QVERIFY(insertLive(makeEvent(7)));
    QCOMPARE(rowCount(), 1);
}

void TestEventLogDb::leftoverFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");

    QTest::newRow("an old log") << true << QByteArray("SQLite format 3") << "Failed to load database file";
    QTest::newRow("an empty file") << true << QByteArray() << "";
    QTest::newRow("no file") << false << QByteArray() << "Database file doesn't exist";
}

void TestEventLogDb::leftoverFile()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    if (exists) {
        QFile file(QStringLiteral("eventlog.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    EL_EventLogDBbase::destroyInstance();
    MessageCapture capture;

    QVERIFY(db());

    QVERIFY(!QFile::exists(QStringLiteral("eventlog.db")));
    if (!message.isEmpty())
        QVERIFY(capture.contains(message));
    QCOMPARE(rowCount(), 0);
    QVERIFY(QDir::setCurrent(previous));
}

void TestEventLogDb::seqNoRangeOperator()
{
    QCOMPARE(::seqNoRangeOperator(), QStringLiteral(" AND "));
    QVERIFY(insertLive(makeEvent(60000)));
    QVERIFY(insertLive(makeEvent(65535)));
    QCOMPARE(::seqNoRangeOperator(), QStringLiteral(" AND "));

    QVERIFY(insertLive(makeEvent(0)));

    QCOMPARE(::seqNoRangeOperator(), QStringLiteral(" OR "));
}

QTEST_GUILESS_MAIN(TestEventLogDb)
#include "tst_eventlogdb.moc"

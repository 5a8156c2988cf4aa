#include "EventFixtures.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"

#include <QSqlRecord>
#include <QtTest>

using namespace EventLogQueries;

namespace {

// Panel time of the fixture's first second: 2024-01-01 00:00 UTC.
const QDateTime base(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
constexpr quint32 basePanelSeconds = 1009843200;

struct Row
{
    EventLog::SeqNum_t seqNo;
    quint8 node;
    quint8 eventCat;
    quint8 restored;
    quint8 acceptStatus;
    quint32 second;
};

// The fixture log, one row per event; each event is its own point.
const Row fixture[] = {
    {1, 1, 4, 0, 3, 10}, {2, 1, 8, 0, 3, 20},    {3, 2, 4, 0, 1, 30},   {4, 2, 3, 0, 3, 40},
    {5, 0, 4, 1, 2, 50}, {6, 1, 1, 0, 3, 60},    {7, 1, 6, 0, 3, 60},   {8, 2, 4, 0, 2, 80},
    {9, 1, 4, 0, 3, 90}, {10, 1, 15, 0, 3, 100}, {11, 1, 2, 0, 3, 110}, {12, 0, 8, 0, 3, 120},
};

QVector<qint64> seqNos(QSqlQuery &query)
{
    QVector<qint64> values;
    const int column = query.record().indexOf(QStringLiteral("seqNo"));
    while (query.next())
        values << query.value(column).toLongLong();
    return values;
}

qint64 countOf(QSqlQuery &query)
{
    if (!query.next())
        return -1;
    const qint64 count = query.value(0).toLongLong();
    return query.next() ? -2 : count;
}

} // namespace

class TestEventLogQueries final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void countEvents_data();
    void countEvents();
    void categoryEvents_data();
    void categoryEvents();
    void filteredEvents_data();
    void filteredEvents();
    void outstandingEvents_data();
    void outstandingEvents();
    void refusedStatement_returnsFalse();

private:
    QTemporaryDir m_dataDir;
};

void TestEventLogQueries::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir::setCurrent(m_dataDir.path()));
    EL_EventLogDBbase *db = EL_EventLogDBbase::instance();
    for (const Row &row : fixture) {
        EventLog::EventData data = EventFixtures::makeEvent(row.seqNo, row.eventCat, row.node, 1, quint8(row.seqNo));
        data.statusBits = row.restored;
        data.acceptStatus = row.acceptStatus;
        data.timeAndDate = basePanelSeconds + row.second;
        QVERIFY(db->insertData(&data, false));
    }
    // The points of events 3 and 4.
    QSqlQuery table;
    QVERIFY(table.exec(QStringLiteral("CREATE TEMP TABLE TempStatTable (packedKey INTEGER PRIMARY KEY)")));
    QVERIFY(table.exec(QStringLiteral("INSERT INTO TempStatTable SELECT packedKey FROM EventLog "
                                      "WHERE seqNo IN (3, 4)")));
}

void TestEventLogQueries::cleanupTestCase()
{
    EL_EventLogDBbase::destroyInstance();
}

void TestEventLogQueries::countEvents_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QVector<qint64>>("rows");

    QTest::newRow("range, every row, newest first") << 20 << 60 << -1 << QVector<qint64>{7, 6, 5, 4, 3, 2};
    QTest::newRow("first page") << 20 << 60 << 0 << QVector<qint64>{7, 6, 5};
    QTest::newRow("second page") << 20 << 60 << 3 << QVector<qint64>{4, 3, 2};
    QTest::newRow("past the end") << 20 << 60 << 6 << QVector<qint64>{};
    QTest::newRow("one second") << 60 << 60 << -1 << QVector<qint64>{7, 6};
    QTest::newRow("before the log") << 0 << 9 << -1 << QVector<qint64>{};
    QTest::newRow("reversed range") << 60 << 20 << -1 << QVector<qint64>{};
}

void TestEventLogQueries::countEvents()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, offset);
    QFETCH(QVector<qint64>, rows);
    QSqlQuery query;

    QVERIFY(EventLogQueries::countEvents(query, base.addSecs(from), base.addSecs(to), offset, false));
    QCOMPARE(seqNos(query), rows);

    QVERIFY(EventLogQueries::countEvents(query, base.addSecs(from), base.addSecs(to), -1, false));
    const qint64 all = seqNos(query).size();
    QVERIFY(EventLogQueries::countEvents(query, base.addSecs(from), base.addSecs(to), -1, true));
    QCOMPARE(countOf(query), all);
}

void TestEventLogQueries::categoryEvents_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("unrestoredOnly");
    QTest::addColumn<int>("node");
    QTest::addColumn<QVector<qint64>>("rows");

    QTest::newRow("mask 0 matches nothing") << 0 << -1 << false << 255 << QVector<qint64>{};
    QTest::newRow("fires") << 0x100 << -1 << false << 255 << QVector<qint64>{12, 2};
    QTest::newRow("disablements, faults, fires")
        << 0x118 << -1 << false << 255 << QVector<qint64>{12, 9, 8, 5, 4, 3, 2, 1};
    QTest::newRow("unrestored only") << 0x118 << -1 << true << 255 << QVector<qint64>{12, 9, 8, 4, 3, 2, 1};
    QTest::newRow("panel 1") << 0x118 << -1 << false << 1 << QVector<qint64>{9, 2, 1};
    QTest::newRow("panel 0") << 0x118 << -1 << false << 0 << QVector<qint64>{12, 5};
    QTest::newRow("first page") << 0x118 << 0 << false << 255 << QVector<qint64>{12, 9, 8};
    QTest::newRow("third page") << 0x118 << 6 << false << 255 << QVector<qint64>{2, 1};
    QTest::newRow("category 15") << 0x8000 << -1 << false << 255 << QVector<qint64>{10};
    QTest::newRow("every category") << 0xFFFF << -1 << false << 255
                                    << QVector<qint64>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
}

void TestEventLogQueries::categoryEvents()
{
    QFETCH(int, mask);
    QFETCH(int, offset);
    QFETCH(bool, unrestoredOnly);
    QFETCH(int, node);
    QFETCH(QVector<qint64>, rows);
    QSqlQuery query;

    QVERIFY(EventLogQueries::categoryEvents(query, quint16(mask), offset, unrestoredOnly, false, quint8(node)));
    QCOMPARE(seqNos(query), rows);

    // The count form counts the same rows, whatever the page.
    QVERIFY(EventLogQueries::categoryEvents(query, quint16(mask), -1, unrestoredOnly, false, quint8(node)));
    const qint64 all = seqNos(query).size();
    QVERIFY(EventLogQueries::categoryEvents(query, quint16(mask), -1, unrestoredOnly, true, quint8(node)));
    QCOMPARE(countOf(query), all);
}

void TestEventLogQueries::filteredEvents_data()
{
    QTest::addColumn<int>("acceptFilter");
    QTest::addColumn<bool>("inPointTable");
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QVector<qint64>>("rows");

    QTest::newRow("every unrestored fault") << 0 << false << 255 << -1 << QVector<qint64>{9, 8, 3, 1};
    QTest::newRow("accepted locally or remotely") << 1 << false << 255 << -1 << QVector<qint64>{8, 3};
    QTest::newRow("unaccepted") << 2 << false << 255 << -1 << QVector<qint64>{9, 1};
    QTest::newRow("unknown filter") << 7 << false << 255 << -1 << QVector<qint64>{9, 8, 3, 1};
    QTest::newRow("panel 2") << 0 << false << 2 << -1 << QVector<qint64>{8, 3};
    QTest::newRow("first page") << 0 << false << 255 << 0 << QVector<qint64>{9, 8, 3};
    QTest::newRow("second page") << 0 << false << 255 << 3 << QVector<qint64>{1};
    QTest::newRow("points of the point table") << 0 << true << 255 << -1 << QVector<qint64>{3};
    QTest::newRow("nothing matches") << 2 << true << 255 << -1 << QVector<qint64>{};
}

void TestEventLogQueries::filteredEvents()
{
    QFETCH(int, acceptFilter);
    QFETCH(bool, inPointTable);
    QFETCH(int, node);
    QFETCH(int, offset);
    QFETCH(QVector<qint64>, rows);
    QSqlQuery query;

    QVERIFY(selectFilteredEvents(query, acceptFilter, inPointTable, quint8(node), offset));
    QCOMPARE(seqNos(query), rows);

    QVERIFY(selectFilteredEvents(query, acceptFilter, inPointTable, quint8(node), -1));
    const qint64 all = seqNos(query).size();
    QVERIFY(countFilteredEvents(query, acceptFilter, inPointTable, quint8(node)));
    QCOMPARE(countOf(query), all);
}

void TestEventLogQueries::outstandingEvents_data()
{
    QTest::addColumn<bool>("allCategories");
    QTest::addColumn<int>("selector");
    QTest::addColumn<bool>("logicalAddr");
    QTest::addColumn<int>("node");
    QTest::addColumn<QVector<qint64>>("rows");

    QTest::newRow("warnings") << false << 0 << false << 255 << QVector<qint64>{10, 7, 6};
    QTest::newRow("warnings, logical addressing") << false << 0 << true << 255 << QVector<qint64>{7, 6};
    QTest::newRow("category 6") << false << 1 << false << 255 << QVector<qint64>{7};
    QTest::newRow("any other selector") << false << 3 << false << 255 << QVector<qint64>{12, 11, 10, 9, 7, 6, 4, 2, 1};
    QTest::newRow("all categories, oldest first")
        << true << 1 << false << 255 << QVector<qint64>{1, 2, 4, 6, 7, 9, 10, 11, 12};
    QTest::newRow("all categories of panel 0") << true << 0 << false << 0 << QVector<qint64>{12};
    QTest::newRow("warnings of panel 2") << false << 0 << false << 2 << QVector<qint64>{};
}

void TestEventLogQueries::outstandingEvents()
{
    QFETCH(bool, allCategories);
    QFETCH(int, selector);
    QFETCH(bool, logicalAddr);
    QFETCH(int, node);
    QFETCH(QVector<qint64>, rows);
    TeskGlobalConfig::instance()->setLogicalAddr(logicalAddr);
    QString list;
    QString count;

    outstandingEventsSql(allCategories, false, &list, selector, quint8(node));
    outstandingEventsSql(allCategories, true, &count, selector, quint8(node));

    QSqlQuery query;
    QVERIFY(query.prepare(list));
    QVERIFY(query.exec());
    QCOMPARE(seqNos(query), rows);
    QVERIFY(query.prepare(count));
    QVERIFY(query.exec());
    QCOMPARE(countOf(query), qint64(rows.size()));
}

void TestEventLogQueries::refusedStatement_returnsFalse()
{
    QSqlQuery table;
    QVERIFY(table.exec(QStringLiteral("DROP TABLE TempStatTable")));
    QSqlQuery query;

    QVERIFY(!countFilteredEvents(query, 0, true, 255));
    QVERIFY(!query.next());

    QVERIFY(table.exec(QStringLiteral("CREATE TEMP TABLE TempStatTable (packedKey INTEGER PRIMARY KEY)")));
}

QTEST_GUILESS_MAIN(TestEventLogQueries)
#include "tst_eventlogqueries.moc"

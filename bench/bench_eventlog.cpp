#include "FullEventLog.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/SqliteStatement.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

using FullEventLog::siteEvent;
constexpr int LogSize = FullEventLog::Size;

// Filling an empty log: live events as the controller reports them while a
// site runs (live 1), or the backlog a historic synchronisation stores
// after a reconnection (live 0).
void BM_InsertIntoEmptyLog(benchmark::State &state)
{
    const bool live = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        EL_EventLogDBbase *db = FullEventLog::empty();
        state.ResumeTiming();
        for (int i = 1; i <= LogSize; ++i) {
            const EventLog::EventData event = siteEvent(i);
            benchmark::DoNotOptimize(db->insertData(&event, live));
        }
    }
    state.SetItemsProcessed(state.iterations() * LogSize);
}
BENCHMARK(BM_InsertIntoEmptyLog)->ArgName("live")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Live events as the link hands them over: the events of one read (at most
// the link's backlog of 256 packets) held in one transaction and committed
// together.
void BM_InsertHeldIntoEmptyLog(benchmark::State &state)
{
    const int perRead = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        EL_EventLogDBbase *db = FullEventLog::empty();
        state.ResumeTiming();
        for (int i = 1; i <= LogSize; ++i) {
            const EventLog::EventData event = siteEvent(i);
            benchmark::DoNotOptimize(db->insertData(&event, true, EL_EventLogDBbase::Commit::Held));
            if (i % perRead == 0)
                db->commitHeld();
        }
        db->commitHeld();
    }
    state.SetItemsProcessed(state.iterations() * LogSize);
}
BENCHMARK(BM_InsertHeldIntoEmptyLog)->ArgName("perRead")->Arg(16)->Arg(256)->Unit(benchmark::kMillisecond);

// The references for the rows above: the same rows inserted into the same
// table with the same indices, on a connection of their own, with nothing of
// the log around them (no window, no restorals, no trim, no signals), in one
// transaction (1) or one transaction each (0). The first goes through the
// driver, the second is SQLite's own interface with the statements prepared
// once, the least any store of these rows can do.
void BM_PlainSqlReference(benchmark::State &state)
{
    const bool oneTransaction = state.range(0) != 0;
    const QString connection = QStringLiteral("plain");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        for (const QString &statement :
             {EventLogTable::createStatement(), EventLogTable::indexStatement(), EventLogTable::timeIndexStatement()})
            QSqlQuery(db).exec(statement);
        QSqlQuery insert(db);
        insert.prepare(EventLogTable::insertStatement());
        for (auto _ : state) {
            state.PauseTiming();
            QSqlQuery(db).exec(QStringLiteral("DELETE FROM EventLog"));
            state.ResumeTiming();
            if (oneTransaction)
                db.transaction();
            for (int i = 1; i <= LogSize; ++i) {
                if (!oneTransaction)
                    db.transaction();
                EventLogTable::bindEvent(insert, siteEvent(i));
                benchmark::DoNotOptimize(insert.exec());
                if (!oneTransaction)
                    db.commit();
            }
            if (oneTransaction)
                db.commit();
        }
        insert = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    state.SetItemsProcessed(state.iterations() * LogSize);
}
BENCHMARK(BM_PlainSqlReference)->ArgName("oneTransaction")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RawSqliteReference(benchmark::State &state)
{
    const bool oneTransaction = state.range(0) != 0;
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    for (const QString &statement :
         {EventLogTable::createStatement(), EventLogTable::indexStatement(), EventLogTable::timeIndexStatement()})
        sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, nullptr);
    {
        SqliteStatement insert(db, EventLogTable::insertStatement());
        SqliteStatement begin(db, QStringLiteral("BEGIN"));
        SqliteStatement commit(db, QStringLiteral("COMMIT"));
        for (auto _ : state) {
            state.PauseTiming();
            sqlite3_exec(db, "DELETE FROM EventLog", nullptr, nullptr, nullptr);
            state.ResumeTiming();
            if (oneTransaction)
                begin.run();
            for (int i = 1; i <= LogSize; ++i) {
                if (!oneTransaction)
                    begin.run();
                EventLogTable::bindEvent(insert, siteEvent(i));
                benchmark::DoNotOptimize(insert.run());
                if (!oneTransaction)
                    commit.run();
            }
            if (oneTransaction)
                commit.run();
        }
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * LogSize);
}
BENCHMARK(BM_RawSqliteReference)->ArgName("oneTransaction")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A burst into a full log: every insert evicts the oldest event. Each event
// committed on its own (perRead 1), or held as the link hands them over.
void BM_InsertBurstIntoFullLog(benchmark::State &state)
{
    const int perRead = int(state.range(0));
    const auto commit = perRead > 1 ? EL_EventLogDBbase::Commit::Held : EL_EventLogDBbase::Commit::AtOnce;
    EL_EventLogDBbase *db = FullEventLog::full();
    int next = LogSize + 1;
    for (auto _ : state) {
        for (int i = 1; i <= LogSize; ++i) {
            const EventLog::EventData event = siteEvent(next++);
            benchmark::DoNotOptimize(db->insertData(&event, true, commit));
            if (i % perRead == 0)
                db->commitHeld();
        }
        db->commitHeld();
    }
    state.SetItemsProcessed(state.iterations() * LogSize);
}
BENCHMARK(BM_InsertBurstIntoFullLog)->ArgName("perRead")->Arg(1)->Arg(256)->Unit(benchmark::kMillisecond);

// The list queries of the event-log screens over a full log: one page of
// three rows, or the count that sizes the list.
template <typename Query> void runQuery(benchmark::State &state, Query query)
{
    FullEventLog::full();
    QSqlQuery sql;
    for (auto _ : state) {
        benchmark::DoNotOptimize(query(sql));
        while (sql.next())
            benchmark::DoNotOptimize(sql.value(0));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CategoryPage(benchmark::State &state)
{
    runQuery(state,
             [](QSqlQuery &sql) { return EventLogQueries::categoryEvents(sql, 0x118, 3000, false, false, 255); });
}
BENCHMARK(BM_CategoryPage)->Unit(benchmark::kMicrosecond);

void BM_CategoryCount(benchmark::State &state)
{
    runQuery(state, [](QSqlQuery &sql) { return EventLogQueries::categoryEvents(sql, 0x118, -1, true, true, 255); });
}
BENCHMARK(BM_CategoryCount)->Unit(benchmark::kMicrosecond);

void BM_DateTimePage(benchmark::State &state)
{
    const QDateTime from(QDate(2024, 1, 2), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2024, 1, 5), QTime(0, 0), Qt::UTC);
    runQuery(state, [&](QSqlQuery &sql) { return EventLogQueries::countEvents(sql, from, to, 300, false); });
}
BENCHMARK(BM_DateTimePage)->Unit(benchmark::kMicrosecond);

void BM_FaultsPage(benchmark::State &state)
{
    runQuery(state, [](QSqlQuery &sql) { return EventLogQueries::selectFilteredEvents(sql, 2, false, 255, 30); });
}
BENCHMARK(BM_FaultsPage)->Unit(benchmark::kMicrosecond);

void BM_FaultsCount(benchmark::State &state)
{
    runQuery(state, [](QSqlQuery &sql) { return EventLogQueries::countFilteredEvents(sql, 1, false, 7); });
}
BENCHMARK(BM_FaultsCount)->Unit(benchmark::kMicrosecond);

void BM_OutstandingWarnings(benchmark::State &state)
{
    QString text;
    EventLogQueries::outstandingEventsSql(false, false, &text, 0, 255);
    runQuery(state, [&](QSqlQuery &sql) { return sql.exec(text); });
}
BENCHMARK(BM_OutstandingWarnings)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    EL_EventLogDBbase::destroyInstance();
    return 0;
}

#include "eventlog/EL_EventLogDBbase.h"

#include "core/TeskGlobalConfig.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/SqlTransaction.h"
#include "link/HighPriorityStatus.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>

#include <cstdio>
#include <iterator>
#include <optional>

using EventLog::EventData;
using EventLog::SeqNoWindow;
using EventLog::SeqNum_t;

namespace {

const char leftoverFileName[] = "eventlog.db";

QString sql(const char *text)
{
    return QString::fromLatin1(text).arg(QLatin1String(EventLogTable::name));
}

} // namespace

EL_EventLogDBbase::EL_EventLogDBbase()
{
    qRegisterMetaType<EventLog::SeqNum_t>("EventLog::SeqNum_t");
    qRegisterMetaType<const EventLog::EventData *>("const EventLog::EventData*");
    if (!open())
        return;
    removeLeftoverFile();
    sqlite3 *handle = SqliteStatement::handleOf(m_db);
    m_insertNew = SqliteStatement(handle, EventLogTable::insertNewStatement());
    m_replace = SqliteStatement(handle, EventLogTable::insertStatement());
    m_restore = SqliteStatement(
        handle, sql("UPDATE %1 SET restoredEventStatus = 1 WHERE packedKey = ? AND restoredEventStatus = 0"));
    m_restoreAll = SqliteStatement(handle, sql("UPDATE %1 SET restoredEventStatus = 1"));
    // The first numbers above the newest, then the lowest: two range scans
    // of the key, never a sort of the whole table.
    m_trim = SqliteStatement(handle, sql("DELETE FROM %1 WHERE seqNo IN (SELECT seqNo FROM (SELECT seqNo FROM %1 WHERE "
                                         "seqNo > ? ORDER BY seqNo LIMIT ?) UNION ALL SELECT seqNo FROM (SELECT seqNo "
                                         "FROM %1 WHERE seqNo <= ? ORDER BY seqNo LIMIT ?) LIMIT ?)"));
    m_insertPrepared = m_insertNew.isPrepared() && m_replace.isPrepared() && m_restore.isPrepared()
                       && m_restoreAll.isPrepared() && m_trim.isPrepared() && m_transactions.prepare(m_db);
    m_rows = countRows();
    selfTest();
}

EL_EventLogDBbase::HeldEvents::HeldEvents(SqlTransaction::Statements &statements, const SeqNoWindow &window, int rows)
    : transaction(statements, SqlTransaction::Level::Transaction, "EL_EventLogDBbase::holdEvents")
    , window(window)
    , rows(rows)
{
}

// Held events go with the database, unstored, and what waits for them is
// dropped: their callers may be gone already.
EL_EventLogDBbase::~EL_EventLogDBbase()
{
    m_held.reset();
    finalizeStatements();
    m_db.close();
    const QString connection = m_db.connectionName();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

bool EL_EventLogDBbase::open()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    if (!m_db.open()) {
        qWarning() << "EL_EventLogDBbase::open"
                   << "Database failed to open";
        qWarning() << "EL_EventLogDBbase::open" << m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    if (!query.exec(EventLogTable::createStatement()))
        qWarning() << "EL_EventLogDBbase::setupTable"
                   << " Failed to create table";
    else if (!query.exec(EventLogTable::indexStatement()) || !query.exec(EventLogTable::timeIndexStatement()))
        qWarning() << "EL_EventLogDBbase::setupTable"
                   << " Failed to create index";
    return true;
}

// The log was once kept in this file; a copy left from such a run is stale
// and must not come back as current events.
void EL_EventLogDBbase::removeLeftoverFile()
{
    QFile file(QString::fromLatin1(leftoverFileName));
    if (!file.exists()) {
        qDebug() << "EL_EventLogDBbase::removeLeftoverFile"
                 << "Database file doesn't exist";
        return;
    }
    if (file.size() > 0)
        qWarning() << "EL_EventLogDBbase::removeLeftoverFile"
                   << "Failed to load database file";
    if (!file.remove())
        qWarning() << "EL_EventLogDBbase::removeLeftoverFile"
                   << "cannot delete" << file.fileName();
}

// Proves at start that the driver can create, prepare, bind and count.
void EL_EventLogDBbase::selfTest()
{
    QSqlQuery query(m_db);
    const bool passed =
        query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS testingTable (id INTEGER,key1 INTEGER,key2 INTEGER) "))
        && run(query, QStringLiteral("INSERT OR REPLACE INTO testingTable (id,key1,key2) VALUES (?,?,?)"), {1, 11, 21})
        && query.exec(QStringLiteral("SELECT COUNT(*) FROM testingTable ")) && query.next()
        && query.value(0).toInt() > 0;
    if (!passed)
        qWarning() << "EL_EventLogDBbase::selfTest"
                   << "failed:" << query.lastError().text();
}

void EL_EventLogDBbase::close()
{
    commitHeld();
    std::fputs("EL_EventLogDBbase::close\n", stdout);
    std::fflush(stdout);
    finalizeStatements();
    m_db.close();
}

// The connection cannot close while a statement of its own is prepared on
// it. The log stays usable in name: a closed log refuses every insert, so no
// event is acknowledged as stored.
void EL_EventLogDBbase::finalizeStatements()
{
    for (SqliteStatement *statement : {&m_insertNew, &m_replace, &m_restore, &m_restoreAll, &m_trim})
        *statement = SqliteStatement();
    m_transactions = SqlTransaction::Statements();
}

void EL_EventLogDBbase::kickOffPersist()
{
}

bool EL_EventLogDBbase::insertData(const EventData *event, bool live, Commit commit)
{
    if (!event) {
        qWarning() << "EL_EventLogDBbase::insertData"
                   << ": no event";
        return false;
    }
    if (!m_db.isOpen() || !m_insertPrepared) {
        qWarning() << "EL_EventLogDBbase::insertData"
                   << ": Failed to setup query";
        return false;
    }
    const bool held = live && commit == Commit::Held && !touchesFireIndications(*event) && holdEvents();
    if (!held)
        commitHeld();

    // Everything an event changes is stored in one transaction (or a
    // savepoint of the held events' one) and applied to the window and the
    // listeners only once it has been stored: a failed insert changes
    // nothing. A held event that writes with one statement needs no
    // savepoint: a statement that fails leaves nothing of itself behind, and
    // the replace runs only when the insert before it changed nothing.
    const LivePlan plan = live ? planLiveEvent(*event) : LivePlan{LiveKind::Ordinary, m_window, {}};
    const bool restores = live && (plan.kind == LiveKind::AcceptedReset || event->isRestoral());
    const bool oneStatement = !restores && m_rows < MaxEvents;
    std::optional<SqlTransaction> transaction;
    if (!held || !oneStatement)
        transaction.emplace(m_transactions,
                            held ? SqlTransaction::Level::Savepoint : SqlTransaction::Level::Transaction,
                            "EL_EventLogDBbase::insertData");
    bool stored = !transaction || transaction->isBegun();
    if (stored)
        stored = !live || markRestored(*event, plan.kind);
    int added = 0;
    if (stored)
        stored = storeRow(*event, &added);
    int trimmed = 0;
    if (stored) {
        trimmed = trim(plan.window, m_rows + added);
        stored = trimmed >= 0 && (!transaction || transaction->commit());
    }
    if (stored)
        m_rows += added - trimmed;
    if (!stored) {
        qWarning() << "EL_EventLogDBbase::insertData"
                   << "event" << event->seqNo << "not stored:" << m_insertNew.errorText();
        // Listeners of the update read the table: it must be as it was.
        if (transaction)
            transaction->rollback();
        announce(held, [this] { emit eventLogUpdated(); });
        return false;
    }

    if (!live) {
        emit eventLogUpdated();
    } else if (!held) {
        applyLivePlan(plan, *event);
        emit eventLogUpdated();
    } else {
        ++m_held->events;
        m_window = plan.window;
        announce(true, [this, changes = plan.changes, copy = *event] {
            emitWindowChanges(changes);
            emitCategorySignals(copy);
            emit eventLogUpdated();
        });
    }
    return true;
}

bool EL_EventLogDBbase::holdEvents()
{
    if (m_held)
        return true;
    auto held = std::make_unique<HeldEvents>(m_transactions, m_window, m_rows);
    if (!held->transaction.isBegun())
        return false;
    m_held = std::move(held);
    return true;
}

void EL_EventLogDBbase::announce(bool held, std::function<void()> action)
{
    if (!held) {
        action();
        return;
    }
    m_held->actions.push_back([action = std::move(action)](bool committed) {
        if (committed)
            action();
    });
}

void EL_EventLogDBbase::afterCommit(std::function<void(bool committed)> action)
{
    if (m_held)
        m_held->actions.push_back(std::move(action));
    else
        action(true);
}

bool EL_EventLogDBbase::commitHeld()
{
    if (!m_held)
        return true;
    // Taken first: what runs after the commit stores at once.
    const std::unique_ptr<HeldEvents> held = std::move(m_held);
    const bool committed = held->transaction.commit();
    if (!committed) {
        qWarning() << "EL_EventLogDBbase::commitHeld" << held->events << "live events not stored";
        m_window = held->window;
        m_rows = held->rows;
    }
    for (const auto &action : held->actions)
        action(committed);
    return committed;
}

bool EL_EventLogDBbase::isFireResetOfThisPanel(const EventData &event) const
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    return event.node == config->getPanelNumber()
           && (event.eventCode == config->getResetEventCode1() || event.eventCode == config->getResetEventCode2());
}

bool EL_EventLogDBbase::touchesFireIndications(const EventData &event) const
{
    return event.category() == EventLog::CategoryFire || event.restoredCategory() == EventLog::CategoryFire
           || isFireResetOfThisPanel(event);
}

EL_EventLogDBbase::LivePlan EL_EventLogDBbase::planLiveEvent(const EventData &event)
{
    LivePlan plan{LiveKind::Ordinary, m_window, {}};
    const SeqNum_t seqNo = event.seqNo;
    if (isFireResetOfThisPanel(event)) {
        // A reset may start a new window only when the log holds every event
        // since the previous bound; the first reset needs no check.
        const SeqNum_t oldest = m_window.oldest();
        const bool mustBeComplete = m_resetAccepted && oldest != 0 && seqNo != m_fireResetSeqNo && seqNo != oldest;
        if (mustBeComplete && !isLogComplete(oldest, seqNo)) {
            plan.kind = LiveKind::RefusedReset;
            plan.window.clear(plan.changes);
        } else {
            plan.kind = LiveKind::AcceptedReset;
            plan.window.restartAt(seqNo, plan.changes);
        }
    }
    plan.window.advance(seqNo, plan.changes);
    return plan;
}

bool EL_EventLogDBbase::isLogComplete(SeqNum_t oldest, SeqNum_t seqNo)
{
    const int expected = SeqNum_t(seqNo - oldest);
    // Counted by distance from the oldest bound, so a reset whose number has
    // just wrapped past 65535 is counted against the right events.
    QSqlQuery query(m_db);
    const bool counted =
        run(query, sql("SELECT COUNT(seqNo) AS eventsCount FROM %1 WHERE ((seqNo - ? + 65536) % 65536) < ?"),
            {int(oldest), expected})
        && query.next();
    const int stored = counted ? query.value(0).toInt() : -1;
    if (stored != expected)
        qWarning() << "EL_EventLogDBbase::isLogCompleteUpTo"
                   << "fire reset" << seqNo << ": holds" << stored << "of the" << expected << "events since" << oldest;
    return stored == expected;
}

bool EL_EventLogDBbase::markRestored(const EventData &event, LiveKind kind)
{
    if (kind != LiveKind::AcceptedReset && !event.isRestoral())
        return true;
    if (kind == LiveKind::AcceptedReset)
        return m_restoreAll.run();
    m_restore.bind(0, event.packedKey());
    return m_restore.run();
}

bool EL_EventLogDBbase::storeRow(const EventData &event, int *added)
{
    EventLogTable::bindEvent(m_insertNew, event);
    if (!m_insertNew.run())
        return false;
    *added = m_insertNew.changes();
    if (*added > 0)
        return true;
    EventLogTable::bindEvent(m_replace, event);
    return m_replace.run();
}

int EL_EventLogDBbase::countRows()
{
    QSqlQuery query(m_db);
    return query.exec(sql("SELECT COUNT(*) FROM %1")) && query.next() ? query.value(0).toInt() : 0;
}

void EL_EventLogDBbase::applyLivePlan(const LivePlan &plan, const EventData &event)
{
    const SeqNum_t checkedSince = m_window.oldest();
    m_window = plan.window;
    if (plan.kind == LiveKind::AcceptedReset) {
        m_fireResetSeqNo = event.seqNo;
        m_resetAccepted = true;
        m_refusedReset.pending = false;
        m_fireZones.clear();
    } else if (plan.kind == LiveKind::RefusedReset) {
        m_fireResetSeqNo = 0;
        m_refusedReset = {true, event.seqNo, checkedSince};
    }
    emitWindowChanges(plan.changes);

    switch (plan.kind) {
    case LiveKind::AcceptedReset:
        emitResetSignals(true);
        return;
    case LiveKind::RefusedReset:
        // The reset itself is kept as an ordinary event; the missing events
        // are fetched again so that the next reset finds the log complete.
        emit staleDBInLog();
        emit resyncHistoricLog();
        break;
    case LiveKind::Ordinary:
        break;
    }
    emitCategorySignals(event);
}

void EL_EventLogDBbase::emitWindowChanges(const SeqNoWindow::Changes &changes)
{
    for (const SeqNoWindow::Change &change : changes) {
        if (change.bound == SeqNoWindow::Bound::Oldest)
            emit updatedCurrResetOrOldestSeqNo(change.value);
        else
            emit updatedlatestCurrSeqNo(change.value);
    }
}

// An accepted reset clears the status indications and the outstanding
// events only when nothing has happened since it.
void EL_EventLogDBbase::emitResetSignals(bool clearsIndications)
{
    if (clearsIndications) {
        if (EventLog::HighPriorityStatus *status = EventLog::HighPriorityStatus::installed())
            status->applyHighPriorityStatus(0, 0);
    }
    emit updatedSeqNoByFireReset(m_fireResetSeqNo);
    emit updatedFires();
    emit updatedFaults();
    emit updatedWarnings();
    emit updatedDisablements();
    if (clearsIndications)
        emit clearOutstandingEventsOnReset();
}

// The reset was stored when it was refused; what it would have done is done
// now, to the events before it only. The events since it (live ones, up to
// the newest) keep their state, and their fires are the zones in fire.
void EL_EventLogDBbase::reviewRefusedReset()
{
    if (!m_refusedReset.pending || !m_insertPrepared)
        return;
    commitHeld();
    const SeqNum_t seqNo = m_refusedReset.seqNo;
    if (!isLogComplete(m_refusedReset.since, seqNo))
        return;
    const int since = SeqNum_t(m_window.latest() - seqNo);
    QSqlQuery query(m_db);
    if (!run(query,
             sql("UPDATE %1 SET restoredEventStatus = 1 WHERE ((seqNo - ? + 65536) % 65536) NOT BETWEEN 0 AND ?"),
             {int(seqNo), since})
        || !noteFireZonesAfter(seqNo, since)) {
        qWarning() << "EL_EventLogDBbase::reviewRefusedReset"
                   << "fire reset" << seqNo << "still refused:" << query.lastError().text();
        return;
    }
    qDebug() << "EL_EventLogDBbase::reviewRefusedReset"
             << "fire reset" << seqNo << "accepted now that the log is complete";
    m_refusedReset.pending = false;
    m_resetAccepted = true;
    m_fireResetSeqNo = seqNo;
    emitResetSignals(since == 0);
    emit eventLogUpdated();
}

bool EL_EventLogDBbase::noteFireZonesAfter(SeqNum_t seqNo, int count)
{
    QSqlQuery query(m_db);
    if (!run(
            query,
            sql("SELECT node, zone FROM %1 WHERE (eventCat & 15) = ? AND ((seqNo - ? + 65536) % 65536) BETWEEN 1 AND ? "
                "ORDER BY (seqNo - ? + 65536) % 65536"),
            {int(EventLog::CategoryFire), int(seqNo), count, int(seqNo)}))
        return false;
    m_fireZones.clear();
    while (query.next())
        m_fireZones.note(quint8(query.value(0).toUInt()), quint8(query.value(1).toUInt()));
    return true;
}

void EL_EventLogDBbase::emitCategorySignals(const EventData &event)
{
    const quint8 category = event.category();
    const quint8 restored = event.restoredCategory();
    const auto either = [&](quint8 wanted) { return category == wanted || restored == wanted; };
    if (either(EventLog::CategoryFire)) {
        m_fireZones.note(event.node, event.zone);
        emit updatedFires();
    } else if (either(EventLog::CategoryFault)) {
        emit updatedFaults();
    } else if (either(EventLog::CategoryDisablement)) {
        emit updatedDisablements();
        emit outstandingEventSettled(&event);
    }
    if (category < EventLog::CategoryNone) {
        emit updatedWarnings();
        emit newEventLogRegistered(&event);
    }
    emit outstandingEventsUpdated();
}

// Keeps the table to MaxEvents rows, dropping the oldest: those furthest
// back from the newest live number, counted through the wrap past 65535, so
// that numbers above the latest bound (from before a wrap) go before the low
// numbers after it, whether the window itself has wrapped or not. Before the
// first live event there is no newest number and the lowest go first.
int EL_EventLogDBbase::trim(const SeqNoWindow &window, int rows)
{
    const int excess = rows - MaxEvents;
    if (excess <= 0)
        return 0;
    const int newest = window.oldest() != 0 || window.latest() != 0 ? window.latest() : -1;
    const qint64 values[] = {newest, excess, newest, excess, excess};
    for (int i = 0; i < int(std::size(values)); ++i)
        m_trim.bind(i, values[i]);
    if (!m_trim.run()) {
        qWarning() << "EL_EventLogDBbase::trim" << m_trim.errorText();
        return -1;
    }
    return m_trim.changes();
}

bool EL_EventLogDBbase::run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    if (!query.prepare(statement))
        return false;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query.exec();
}

bool EL_EventLogDBbase::execStatement(const QString &statement, const QVariantList &values)
{
    commitHeld();
    SqlTransaction transaction(m_db, "EL_EventLogDBbase::execStatement");
    if (!transaction.isBegun())
        return false;
    QSqlQuery query(m_db);
    if (!run(query, statement, values)) {
        qWarning() << "EL_EventLogDBbase::execStatement"
                   << "Database failure : " << statement << query.lastError().text();
        return false;
    }
    query.finish();
    if (!statement.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
        trim(m_window, countRows());
    const bool committed = transaction.commit();
    m_rows = countRows();
    return committed;
}

bool EL_EventLogDBbase::clearTable(const QString &tableName)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(tableName).hasMatch()) {
        qWarning() << "EL_EventLogDBbase::clearTable"
                   << "not a table name:" << tableName;
        return false;
    }
    commitHeld();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DELETE FROM ") + tableName)) {
        qWarning() << "EL_EventLogDBbase::clearTable"
                   << "Database failure : " << query.lastError().text();
        return false;
    }
    query.exec(QStringLiteral("VACUUM"));
    m_rows = countRows();
    return true;
}

void EL_EventLogDBbase::pruneSeqNoRange(SeqNum_t seqNo, int positionInLog, int totalEvents)
{
    if (positionInLog < 0 || positionInLog > 65535 || totalEvents < 0 || totalEvents > 65535) {
        qWarning() << "EL_EventLogDBbase::pruneSeqNoRange"
                   << "ignoring position" << positionInLog << "of" << totalEvents;
        return;
    }
    // The controller's log runs from seqNo - position for total + 2 numbers,
    // taken modulo 65536 so that a log through 65535 keeps both of its ends.
    commitHeld();
    const SeqNum_t first = SeqNum_t(seqNo - positionInLog);
    const int span = totalEvents + 1;
    QSqlQuery query(m_db);
    if (!run(query, sql("DELETE FROM %1 WHERE ((seqNo - ? + 65536) % 65536) > ?"), {int(first), span}))
        qWarning() << "EL_EventLogDBbase::pruneSeqNoRange"
                   << "Failed to execute 'prune' query" << query.lastError().text();
    m_rows = countRows();
}

QString seqNoRangeOperator()
{
    return EL_EventLogDBbase::instance()->currResetOrOldestSeqNo() > EL_EventLogDBbase::instance()->latestCurrSeqNo()
               ? QStringLiteral(" OR ")
               : QStringLiteral(" AND ");
}

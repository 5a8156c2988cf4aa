#pragma once

#include "core/SC_Singleton.h"
#include "eventlog/EventData.h"
#include "eventlog/FireZoneMarks.h"
#include "eventlog/SeqNoWindow.h"
#include "eventlog/SqlTransaction.h"
#include "eventlog/SqliteStatement.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

#include <functional>
#include <memory>
#include <vector>

// The engine's store of panel events: the table EventLog of an SQLite
// database held in memory on the default connection. It keeps at most
// 10000 rows, marks events restored when their restoral arrives, keeps the
// window of sequence numbers the lists show and the zones in fire since the
// last fire reset, and tells the rest of the engine what kind of event
// arrived. Readers open their own queries on the default connection.
//
// Live events that come together (a read of the link) may be held: stored
// in one transaction they share, which commitHeld() commits. Each is still
// stored or refused on its own; what it changes besides the table (the
// window, the signals) and what its caller hands to afterCommit() wait for
// the commit, so nothing is told or acknowledged before it is stored. A
// refused commit stores none of them. Every write but a held insert commits
// the held events first.
class EL_EventLogDBbase final
    : public QObject
    , public SC_Singleton<EL_EventLogDBbase>
{
    Q_OBJECT

public:
    static constexpr int MaxEvents = 10000;

    // The database goes with the object: after destroyInstance() the next
    // instance() starts with an empty log.
    ~EL_EventLogDBbase() override;

    void close();
    // False when the database never opened: nothing can ever be stored.
    bool isUsable() const { return m_insertPrepared; }

    enum class Commit { AtOnce, Held };

    // Stores one event. Live events (pushed by the controller as they
    // happen) move the sequence-number window, mark restorals and emit the
    // category signals; historic ones are only stored. False when nothing
    // was stored. A live event may be Held (see above), unless it touches
    // the fire indications (a fire, its restoral, a fire reset): that one is
    // stored at once, after the held events are committed, so a fire waits
    // for nothing.
    bool insertData(const EventLog::EventData *event, bool live, Commit commit = Commit::AtOnce);
    // Commits the held events and runs, in order, what waits for them. False,
    // with a warning, when the commit was refused: none of them is stored.
    bool commitHeld();
    // Runs the action once the events held now are committed (true) or
    // refused (false); at once, with true, when none are held. An object the
    // action uses must outlive the held events.
    void afterCommit(std::function<void(bool committed)> action);
    // Runs one statement in a transaction of its own, the values bound to its
    // '?' placeholders in order; a statement that changes rows trims the
    // table.
    bool execStatement(const QString &statement, const QVariantList &values = {});
    bool clearTable(const QString &tableName);
    // Deletes the stored events outside the controller's log, given one of
    // its events: its number, its position in the log and the log's length.
    void pruneSeqNoRange(EventLog::SeqNum_t seqNo, int positionInLog, int totalEvents);

    EventLog::SeqNum_t fireResetSeqNo() const { return m_fireResetSeqNo; }
    EventLog::SeqNum_t currResetOrOldestSeqNo() const { return m_window.oldest(); }
    EventLog::SeqNum_t latestCurrSeqNo() const { return m_window.latest(); }
    const EventLog::FireZoneMarks::Mark &firstFireZone() const { return m_fireZones.firstFireZone(); }
    const EventLog::FireZoneMarks::Mark &secondFireZone() const { return m_fireZones.secondFireZone(); }
    const EventLog::FireZoneMarks::Mark &lastNewFireZone() const { return m_fireZones.lastNewFireZone(); }

public slots:
    // The log lives in memory only: there is nothing to persist. Kept for the
    // link's periodic persistence, which calls it with the other stores.
    void kickOffPersist();
    // Takes a fire reset refused for a gap in the log once the gap is filled;
    // called when a historic run has ended.
    void reviewRefusedReset();

signals:
    void updatedSeqNoByFireReset(EventLog::SeqNum_t seqNo);
    void updatedCurrResetOrOldestSeqNo(EventLog::SeqNum_t seqNo);
    void updatedlatestCurrSeqNo(EventLog::SeqNum_t seqNo);
    void updatedWarnings();
    void updatedFaults();
    void updatedFires();
    void updatedDisablements();
    void eventLogUpdated();
    void outstandingEventsUpdated();
    void clearOutstandingEventsOnReset();
    void outstandingEventSettled(quint16 seqNo);
    void outstandingEventSettled(const EventLog::EventData *event);
    void newEventLogRegistered(const EventLog::EventData *event);
    void staleDBInLog();
    void resyncHistoricLog();

private:
    friend class SC_Singleton<EL_EventLogDBbase>;

    enum class LiveKind { Ordinary, AcceptedReset, RefusedReset };
    // What a live event does to the window, worked out before it is stored
    // and applied only once it is.
    struct LivePlan
    {
        LiveKind kind = LiveKind::Ordinary;
        EventLog::SeqNoWindow window;
        EventLog::SeqNoWindow::Changes changes;
    };

    // The held events' transaction, what waits for its commit, and what to
    // go back to when it is refused. Held events are neither fires nor
    // resets, so the window and the row count are all they change here.
    struct HeldEvents
    {
        HeldEvents(SqlTransaction::Statements &statements, const EventLog::SeqNoWindow &window, int rows);

        SqlTransaction transaction;
        EventLog::SeqNoWindow window;
        int rows;
        int events = 0;
        std::vector<std::function<void(bool committed)>> actions;
    };

    EL_EventLogDBbase();

    bool open();
    void removeLeftoverFile();
    void selfTest();

    bool isFireResetOfThisPanel(const EventLog::EventData &event) const;
    bool touchesFireIndications(const EventLog::EventData &event) const;
    // The held events' transaction, begun when none is open; false when it
    // cannot be.
    bool holdEvents();
    // Runs now, or once the held events are committed when 'held'.
    void announce(bool held, std::function<void()> action);
    LivePlan planLiveEvent(const EventLog::EventData &event);
    bool isLogComplete(EventLog::SeqNum_t since, EventLog::SeqNum_t seqNo);
    bool markRestored(const EventLog::EventData &event, LiveKind kind);
    // Inserts the event's row, or replaces the row stored under its number;
    // 'added' tells which.
    bool storeRow(const EventLog::EventData &event, int *added);
    void applyLivePlan(const LivePlan &plan, const EventLog::EventData &event);
    void emitWindowChanges(const EventLog::SeqNoWindow::Changes &changes);
    void emitCategorySignals(const EventLog::EventData &event);
    void emitResetSignals(bool clearsIndications);
    bool noteFireZonesAfter(EventLog::SeqNum_t seqNo, int count);
    // Deletes the rows beyond MaxEvents when the table holds 'rows';
    // returns how many went, -1 on failure.
    int trim(const EventLog::SeqNoWindow &window, int rows);
    int countRows();
    void finalizeStatements();
    bool run(QSqlQuery &query, const QString &statement, const QVariantList &values);

    QSqlDatabase m_db;
    // The statements every event runs, prepared once on the connection's
    // handle.
    SqliteStatement m_insertNew;
    SqliteStatement m_replace;
    SqliteStatement m_restore;
    SqliteStatement m_restoreAll;
    SqliteStatement m_trim;
    SqlTransaction::Statements m_transactions;
    bool m_insertPrepared = false;
    // The table's rows, kept as they change, so an insert does not count
    // the table; recounted after the rare statements that delete at will.
    int m_rows = 0;
    EventLog::SeqNum_t m_fireResetSeqNo = 0;
    // Once a reset has been accepted, every later one must find the log
    // complete, even after a refused one.
    bool m_resetAccepted = false;
    // The last refused reset and the bound its check counted from.
    struct RefusedReset
    {
        bool pending = false;
        EventLog::SeqNum_t seqNo = 0;
        EventLog::SeqNum_t since = 0;
    };
    RefusedReset m_refusedReset;
    EventLog::SeqNoWindow m_window;
    EventLog::FireZoneMarks m_fireZones;
    std::unique_ptr<HeldEvents> m_held;
};

// The operator between a query's lower-bound condition on seqNo and its
// upper-bound one: " OR " while the window has wrapped, else " AND ".
QString seqNoRangeOperator();

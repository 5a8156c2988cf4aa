#pragma once

#include "eventlog/SqliteStatement.h"

#include <QSqlDatabase>
#include <QString>

// One transaction on a connection, begun when this is made. Whatever it has
// not committed is rolled back when it goes, and a refused commit is rolled
// back at once, so a failure part-way never leaves half a change stored nor
// a transaction open for the next writer to commit by accident.
//
// One made at the Savepoint level is a savepoint in the transaction its
// caller holds open: its commit keeps its changes in that transaction, its
// rollback undoes them alone. One made at the Transaction level, or over the
// connection, refuses to begin inside a transaction already open, which
// another owner has not finished.
class SqlTransaction final
{
public:
    // The statements of a transaction and of a savepoint in it, prepared once
    // on a connection, for a writer that begins and ends them for every
    // event: parsing them each time would cost more than the write.
    struct Statements
    {
        // False when a statement could not be prepared.
        bool prepare(const QSqlDatabase &db);

        SqliteStatement begin;
        SqliteStatement commit;
        SqliteStatement rollback;
        SqliteStatement savepoint;
        SqliteStatement release;
        SqliteStatement rollbackTo;
    };
    enum class Level { Transaction, Savepoint };

    // owner names the caller in the warnings ("Class::method").
    SqlTransaction(QSqlDatabase &db, const char *owner);
    SqlTransaction(Statements &statements, Level level, const char *owner);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the connection refused to begin: nothing may be written.
    bool isBegun() const { return m_open; }
    // True once the changes are stored; false, with a warning, when they were
    // not and have been rolled back.
    bool commit();
    void rollback();

private:
    bool release();
    bool undo();
    bool execute(SqliteStatement &statement);
    QString errorText() const;

    QSqlDatabase *m_db = nullptr;
    Statements *m_statements = nullptr;
    Level m_level = Level::Transaction;
    const char *m_owner;
    QString m_statementError;
    bool m_open = false;
};

#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// One transaction on a connection, begun when this is made. Whatever it has
// not committed is rolled back when it goes, and a refused commit is rolled
// back at once, so a failure part-way never leaves half a change stored nor
// a transaction open for the next writer to commit by accident.
//
// One made over a Savepoint is a savepoint in the transaction its caller
// holds open: its commit keeps its changes in that transaction, its rollback
// undoes them alone. One made over the connection refuses to begin inside a
// transaction already open, which another owner has not finished.
class SqlTransaction final
{
public:
    // The statements of a savepoint, prepared once on a connection: a
    // savepoint is begun and ended for every change made in a transaction
    // held open, and parsing its statements each time would cost more than
    // the transaction saves.
    struct Savepoint
    {
        // False when a statement could not be prepared.
        bool prepare(QSqlDatabase &db);

        QSqlQuery begin;
        QSqlQuery release;
        QSqlQuery rollbackTo;
    };

    // owner names the caller in the warnings ("Class::method").
    SqlTransaction(QSqlDatabase &db, const char *owner);
    SqlTransaction(Savepoint &savepoint, const char *owner);
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
    bool execute(QSqlQuery &statement);
    QString errorText() const;

    QSqlDatabase *m_db = nullptr;
    Savepoint *m_savepoint = nullptr;
    const char *m_owner;
    QString m_statementError;
    bool m_open = false;
};

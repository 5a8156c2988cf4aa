#pragma once

#include <QSqlDatabase>

// One transaction on a connection, begun when this is made. Whatever it has
// not committed is rolled back when it goes, and a refused commit is rolled
// back at once, so a failure part-way never leaves half a change stored nor
// a transaction open for the next writer to commit by accident.
class SqlTransaction final
{
public:
    // owner names the caller in the warnings ("Class::method").
    SqlTransaction(QSqlDatabase &db, const char *owner);
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
    QSqlDatabase &m_db;
    const char *m_owner;
    bool m_open = false;
};

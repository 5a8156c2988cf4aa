#pragma once

#include <QString>
#include <QtGlobal>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

// One statement prepared once on the SQLite handle under a "QSQLITE"
// connection and run by the library itself. The driver keeps, for every
// value bound, a name built as a string and a hash of positions, which costs
// more than an in-memory insert; statements run for every event go this way.
// It is finalized when it goes, and must go before its connection closes.
class SqliteStatement final
{
public:
    // The connection's handle; null, with a warning, when it has none (not
    // open, or another driver).
    static sqlite3 *handleOf(const QSqlDatabase &db);

    SqliteStatement() = default;
    // Not prepared when the text is refused: isPrepared() is false and every
    // run() fails.
    SqliteStatement(sqlite3 *db, const QString &text);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isPrepared() const { return m_statement != nullptr; }
    // Binds the '?' placeholder at index (from 0); the value holds until the
    // next bind of that placeholder.
    void bind(int index, qint64 value);
    // Runs the statement to its end; false when it failed.
    bool run();
    // Rows the last run() inserted, changed or deleted, not counting those a
    // REPLACE deleted nor those of triggers.
    int changes() const;
    // The text of the last failure on the connection.
    QString errorText() const;

private:
    void finalize();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

#include "eventlog/SqliteStatement.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <cstring>
#include <sqlite3.h>
#include <utility>

sqlite3 *SqliteStatement::handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() && db.driver() ? db.driver()->handle() : QVariant();
    sqlite3 *const *pointer = handle.isValid() && std::strcmp(handle.typeName(), "sqlite3*") == 0
                                  ? static_cast<sqlite3 *const *>(handle.constData())
                                  : nullptr;
    if (!pointer || !*pointer) {
        qWarning() << "SqliteStatement::handleOf"
                   << "the connection has no SQLite handle";
        return nullptr;
    }
    return *pointer;
}

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &text)
    : m_db(db)
{
    if (!db)
        return;
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size() + 1, &m_statement, nullptr) != SQLITE_OK) {
        qWarning() << "SqliteStatement"
                   << "cannot prepare" << text << ":" << errorText();
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    finalize();
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_statement(std::exchange(other.m_statement, nullptr))
{
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        finalize();
        m_db = std::exchange(other.m_db, nullptr);
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

void SqliteStatement::finalize()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
}

void SqliteStatement::bind(int index, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, index + 1, value);
}

bool SqliteStatement::run()
{
    if (!m_statement)
        return false;
    int result = sqlite3_step(m_statement);
    while (result == SQLITE_ROW)
        result = sqlite3_step(m_statement);
    // The reset makes the statement's changes final and lets the next
    // transaction end; its result repeats the step's.
    sqlite3_reset(m_statement);
    return result == SQLITE_DONE;
}

int SqliteStatement::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

QString SqliteStatement::errorText() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("no connection");
}

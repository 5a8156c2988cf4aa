#include "eventlog/SqlTransaction.h"

#include <QDebug>
#include <QSqlError>

bool SqlTransaction::Statements::prepare(const QSqlDatabase &db)
{
    sqlite3 *handle = SqliteStatement::handleOf(db);
    begin = SqliteStatement(handle, QStringLiteral("BEGIN"));
    commit = SqliteStatement(handle, QStringLiteral("COMMIT"));
    rollback = SqliteStatement(handle, QStringLiteral("ROLLBACK"));
    savepoint = SqliteStatement(handle, QStringLiteral("SAVEPOINT nested"));
    release = SqliteStatement(handle, QStringLiteral("RELEASE nested"));
    rollbackTo = SqliteStatement(handle, QStringLiteral("ROLLBACK TO nested"));
    return begin.isPrepared() && commit.isPrepared() && rollback.isPrepared() && savepoint.isPrepared()
           && release.isPrepared() && rollbackTo.isPrepared();
}

SqlTransaction::SqlTransaction(QSqlDatabase &db, const char *owner)
    : m_db(&db)
    , m_owner(owner)
    , m_open(db.transaction())
{
    if (!m_open)
        qWarning() << m_owner << "cannot begin a transaction:" << errorText();
}

SqlTransaction::SqlTransaction(Statements &statements, Level level, const char *owner)
    : m_statements(&statements)
    , m_level(level)
    , m_owner(owner)
{
    m_open = execute(level == Level::Savepoint ? statements.savepoint : statements.begin);
    if (!m_open)
        qWarning() << m_owner
                   << (level == Level::Savepoint ? "cannot begin a savepoint:" : "cannot begin a transaction:")
                   << errorText();
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_open)
        return false;
    if (release()) {
        m_open = false;
        return true;
    }
    qWarning() << m_owner << "commit failed, changes rolled back:" << errorText();
    rollback();
    return false;
}

void SqlTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    if (!undo())
        qWarning() << m_owner << "rollback failed:" << errorText();
}

bool SqlTransaction::release()
{
    if (m_db)
        return m_db->commit();
    return execute(m_level == Level::Savepoint ? m_statements->release : m_statements->commit);
}

// A savepoint rolled back stays on the stack until it is released.
bool SqlTransaction::undo()
{
    if (m_db)
        return m_db->rollback();
    if (m_level == Level::Transaction)
        return execute(m_statements->rollback);
    return execute(m_statements->rollbackTo) && execute(m_statements->release);
}

bool SqlTransaction::execute(SqliteStatement &statement)
{
    const bool done = statement.run();
    if (!done)
        m_statementError = statement.errorText();
    return done;
}

QString SqlTransaction::errorText() const
{
    return m_db ? m_db->lastError().text() : m_statementError;
}

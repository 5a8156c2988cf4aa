#include "eventlog/SqlTransaction.h"

#include <QDebug>
#include <QSqlError>

bool SqlTransaction::Savepoint::prepare(QSqlDatabase &db)
{
    begin = QSqlQuery(db);
    release = QSqlQuery(db);
    rollbackTo = QSqlQuery(db);
    return begin.prepare(QStringLiteral("SAVEPOINT nested")) && release.prepare(QStringLiteral("RELEASE nested"))
           && rollbackTo.prepare(QStringLiteral("ROLLBACK TO nested"));
}

SqlTransaction::SqlTransaction(QSqlDatabase &db, const char *owner)
    : m_db(&db)
    , m_owner(owner)
    , m_open(db.transaction())
{
    if (!m_open)
        qWarning() << m_owner << "cannot begin a transaction:" << errorText();
}

SqlTransaction::SqlTransaction(Savepoint &savepoint, const char *owner)
    : m_savepoint(&savepoint)
    , m_owner(owner)
{
    m_open = execute(savepoint.begin);
    if (!m_open)
        qWarning() << m_owner << "cannot begin a savepoint:" << errorText();
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
    return m_db ? m_db->commit() : execute(m_savepoint->release);
}

// A savepoint rolled back stays on the stack until it is released.
bool SqlTransaction::undo()
{
    return m_db ? m_db->rollback() : execute(m_savepoint->rollbackTo) && execute(m_savepoint->release);
}

bool SqlTransaction::execute(QSqlQuery &statement)
{
    const bool done = statement.exec();
    if (!done)
        m_statementError = statement.lastError().text();
    statement.finish();
    return done;
}

QString SqlTransaction::errorText() const
{
    return m_db ? m_db->lastError().text() : m_statementError;
}

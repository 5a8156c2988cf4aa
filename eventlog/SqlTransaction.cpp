#include "eventlog/SqlTransaction.h"

#include <QDebug>
#include <QSqlError>

SqlTransaction::SqlTransaction(QSqlDatabase &db, const char *owner)
    : m_db(db)
    , m_owner(owner)
    , m_open(db.transaction())
{
    if (!m_open)
        qWarning() << m_owner << "cannot begin a transaction:" << m_db.lastError().text();
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_open)
        return false;
    if (m_db.commit()) {
        m_open = false;
        return true;
    }
    qWarning() << m_owner << "commit failed, changes rolled back:" << m_db.lastError().text();
    rollback();
    return false;
}

void SqlTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    if (!m_db.rollback())
        qWarning() << m_owner << "rollback failed:" << m_db.lastError().text();
}

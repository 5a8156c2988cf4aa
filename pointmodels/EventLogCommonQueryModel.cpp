#include "pointmodels/EventLogCommonQueryModel.h"

#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"

namespace {

// A query on the event-log database, opening it first when nothing has yet.
QSqlQuery eventLogQuery()
{
    EL_EventLogDBbase::instance();
    return QSqlQuery();
}

} // namespace

EventLogCommonQueryModel::EventLogCommonQueryModel(int categoryFiltered, int categorySelector, quint8 node,
                                                   QObject *parent)
    : EventLogQueryModel(parent, {})
    , m_countQuery(eventLogQuery())
    , m_categoryFiltered(categoryFiltered)
    , m_node(node)
    , m_categorySelector(categorySelector)
{
}

void EventLogCommonQueryModel::prepareQueries()
{
    const bool allCategories = m_categoryFiltered == 0;
    QString countSql;
    EventLogQueries::outstandingEventsSql(allCategories, true, &countSql, m_categorySelector, m_node);
    m_countQuery.prepare(countSql);
    m_rowQuerySql.clear();
    EventLogQueries::outstandingEventsSql(allCategories, false, &m_rowQuerySql, m_categorySelector, m_node);
}

void EventLogCommonQueryModel::setCategorySelector(int selector)
{
    m_categorySelector = selector;
    prepareQueries();
}

unsigned EventLogCommonQueryModel::queryCount()
{
    return m_countQuery.exec() && m_countQuery.next() ? m_countQuery.value(0).toUInt() : 0u;
}

void EventLogCommonQueryModel::runQuery()
{
    QSqlQuery rows;
    if (rows.exec(m_rowQuerySql))
        setQueryFetchingAll(rows);
    else
        clear();
}

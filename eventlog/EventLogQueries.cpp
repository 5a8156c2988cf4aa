#include "eventlog/EventLogQueries.h"

#include "core/TeskGlobalConfig.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/SqlSelectQuery.h"
#include "paneldata/DateTime.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlQuery>

namespace EventLogQueries {

namespace {

const QString category = QStringLiteral("(eventCat & 15)");

SqlSelectQuery eventQuery(bool count)
{
    SqlSelectQuery select;
    select.table = QLatin1String(EventLogTable::name);
    if (count)
        select.columns << QStringLiteral("COUNT(*)");
    return select;
}

void addPage(SqlSelectQuery &select, int offset)
{
    if (offset < 0)
        return;
    select.hasLimit = true;
    select.limit = PageRows;
    select.offset = offset;
}

void addNewestFirst(SqlSelectQuery &select)
{
    select.orderBy << SqlOrderItem{QStringLiteral("timeAndDate"), SqlOrder::Desc}
                   << SqlOrderItem{QStringLiteral("seqNo"), SqlOrder::Desc};
}

void addNode(SqlConditionList &conditions, quint8 node)
{
    if (node != AllPanels)
        conditions.add(QStringLiteral("node"), SqlOperator::Equal, int(node));
}

bool execute(QSqlQuery &query, const SqlSelectQuery &select)
{
    query.finish();
    const QString text = select.toSql();
    return !text.isEmpty() && query.exec(text);
}

SqlSelectQuery filteredFaults(bool count, int acceptFilter, bool inPointTable, quint8 node)
{
    SqlSelectQuery select = eventQuery(count);
    SqlConditionList conditions;
    conditions.add(category, SqlOperator::Equal, QStringLiteral("4"));
    conditions.add(QStringLiteral("restoredEventStatus"), SqlOperator::Equal, QStringLiteral("0"));
    if (acceptFilter == AcceptedEvents) {
        conditions.add(SqlCondition(QStringLiteral("acceptStatus"), SqlOperator::Equal, QStringLiteral("1"))
                           .addTerm(SqlConjunction::Or, SqlOperator::Equal, QStringLiteral("2")));
    } else if (acceptFilter == UnacceptedEvents) {
        conditions.add(QStringLiteral("acceptStatus"), SqlOperator::Equal, QStringLiteral("3"));
    }
    addNode(conditions, node);
    if (inPointTable) {
        const QString pointTable = QStringLiteral("SELECT NULL FROM %2 WHERE %1.packedKey=%2.packedKey")
                                       .arg(QLatin1String(EventLogTable::name), QLatin1String(PointTable));
        conditions.add(pointTable, SqlOperator::Exists, QString());
    }
    select.setConditions(conditions);
    select.orderBy << SqlOrderItem{QStringLiteral("seqNo"), SqlOrder::Desc};
    return select;
}

} // namespace

bool countEvents(QSqlQuery &query, const QDateTime &from, const QDateTime &to, int offset, bool count)
{
    if (!from.isValid() || !to.isValid()) {
        qWarning() << "EventLogQueries::countEvents"
                   << "no valid date range:" << from << to;
        query.finish();
        return false;
    }
    SqlSelectQuery select = eventQuery(count);
    SqlConditionList conditions;
    conditions.add(QStringLiteral("timeAndDate"), SqlOperator::GreaterOrEqual, int(DateTime::toPanelSeconds(from)));
    conditions.add(QStringLiteral("timeAndDate"), SqlOperator::LessOrEqual, int(DateTime::toPanelSeconds(to)));
    select.setConditions(conditions);
    addNewestFirst(select);
    addPage(select, offset);
    return execute(query, select);
}

bool categoryEvents(QSqlQuery &query, quint16 categoryMask, int offset, bool unrestoredOnly, bool count, quint8 node)
{
    SqlSelectQuery select = eventQuery(count);
    SqlConditionList conditions;
    conditions.add(QStringLiteral("(1<<(eventCat & 15))"), SqlOperator::BitAnd, int(categoryMask));
    if (unrestoredOnly)
        conditions.add(QStringLiteral("restoredEventStatus"), SqlOperator::Equal, QStringLiteral("0"));
    addNode(conditions, node);
    select.setConditions(conditions);
    addNewestFirst(select);
    addPage(select, offset);
    return execute(query, select);
}

bool countFilteredEvents(QSqlQuery &query, int acceptFilter, bool inPointTable, quint8 node)
{
    return execute(query, filteredFaults(true, acceptFilter, inPointTable, node));
}

bool selectFilteredEvents(QSqlQuery &query, int acceptFilter, bool inPointTable, quint8 node, int offset)
{
    SqlSelectQuery select = filteredFaults(false, acceptFilter, inPointTable, node);
    addPage(select, offset);
    return execute(query, select);
}

void outstandingEventsSql(bool allCategories, bool count, QString *sql, int categorySelector, quint8 node)
{
    if (!sql)
        return;
    SqlSelectQuery select = eventQuery(count);
    SqlConditionList conditions;
    conditions.add(QStringLiteral("acceptStatus"), SqlOperator::Equal, 3);
    if (!allCategories && categorySelector == 0) {
        if (TeskGlobalConfig::instance()->getLogicalAddr()) {
            conditions.add(SqlCondition(category, SqlOperator::Equal, 1)
                               .addTerm(SqlConjunction::Or, SqlOperator::Equal, QStringLiteral("6")));
        } else {
            conditions.add(SqlCondition(category, SqlOperator::NotEqual, 3)
                               .addTerm(SqlConjunction::And, SqlOperator::NotEqual, QStringLiteral("4"))
                               .addTerm(SqlConjunction::And, SqlOperator::NotEqual, QStringLiteral("2"))
                               .addTerm(SqlConjunction::And, SqlOperator::NotEqual, QStringLiteral("8")));
        }
    } else if (!allCategories && categorySelector == 1) {
        conditions.add(category, SqlOperator::Equal, 6);
    }
    addNode(conditions, node);
    conditions.add(QStringLiteral("restoredEventStatus"), SqlOperator::Equal, QStringLiteral("0"));
    select.setConditions(conditions);
    select.orderBy << SqlOrderItem{QStringLiteral("seqNo"), allCategories ? SqlOrder::Asc : SqlOrder::Desc};
    *sql = select.toSql();
}

} // namespace EventLogQueries

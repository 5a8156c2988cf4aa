#include "eventlog/SqlSelectQuery.h"

#include <QDebug>

namespace {

// An item without a known direction is left out, not written as a bare
// comma that the database would refuse.
QVector<QString> orderItems(const QVector<SqlOrderItem> &items)
{
    QVector<QString> texts;
    for (const SqlOrderItem &item : items) {
        if (item.direction == SqlOrder::Asc)
            texts << item.column + QLatin1String(" ASC");
        else if (item.direction == SqlOrder::Desc)
            texts << item.column + QLatin1String(" DESC");
    }
    return texts;
}

// "a,b,c " - each item followed by a comma, the last comma dropped.
QString commaList(const QVector<QString> &items)
{
    QString list;
    for (const QString &item : items)
        list += item + QLatin1Char(',');
    list.chop(1);
    return list + QLatin1Char(' ');
}

} // namespace

bool SqlSelectQuery::hasOnlyNumberValues() const
{
    for (const SqlCondition &condition : conditions) {
        if (!condition.hasOnlyNumberValues())
            return false;
    }
    return true;
}

QString SqlSelectQuery::whereClause() const
{
    if (conditions.isEmpty() || !hasOnlyNumberValues())
        return {};
    QString where;
    for (const SqlCondition &condition : conditions)
        where += QLatin1Char('(') + condition.comparisons() + QLatin1String(") AND ");
    where.chop(5);
    return QLatin1String(" WHERE ") + where + QLatin1Char(' ');
}

QString SqlSelectQuery::toSql() const
{
    if (!hasOnlyNumberValues()) {
        qWarning() << "SqlSelectQuery::toSql"
                   << "rejected: a condition's value is not a number";
        return {};
    }
    QString text = QStringLiteral("SELECT ");
    text += columns.isEmpty() ? QStringLiteral("*") : commaList(columns);
    text += QLatin1String(" FROM ") + table + QLatin1Char(' ');
    text += whereClause();
    if (!groupBy.isEmpty())
        text += QLatin1String(" GROUP BY ") + commaList(groupBy);
    const QVector<QString> order = orderItems(orderBy);
    if (!order.isEmpty())
        text += QLatin1String(" ORDER BY ") + commaList(order);
    if (hasLimit) {
        text += QLatin1String(" LIMIT ") + QString::number(limit) + QLatin1String(" OFFSET ")
                + (offset < 0 ? QStringLiteral("-1") : QString::number(offset));
    }
    return text;
}

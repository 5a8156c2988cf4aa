#pragma once

#include "eventlog/SqlConditionList.h"

#include <QString>
#include <QVector>

struct SqlOrderItem
{
    QString column;
    int direction = SqlOrder::Asc;
};

// A SELECT statement described field by field and written out by toSql.
// Table and column names are the caller's own constants; values must be
// numbers (isSqlNumberValue), and a query holding any other value writes
// no statement at all.
struct SqlSelectQuery
{
    void setConditions(const SqlConditionList &list) { conditions = list; }

    // Empty, with a warning, when a value is not a number.
    QString toSql() const;
    // " WHERE (group) AND (group) ", or empty without conditions or with a
    // value that is not a number.
    QString whereClause() const;

    QString table;
    QVector<QString> columns;
    SqlConditionList conditions;
    QVector<SqlOrderItem> orderBy;
    QVector<QString> groupBy;
    bool hasLimit = false;
    qint32 offset = 0;
    quint32 limit = 0;

private:
    bool hasOnlyNumberValues() const;
};

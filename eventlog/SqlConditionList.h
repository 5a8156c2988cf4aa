#pragma once

#include "eventlog/SqlCondition.h"

#include <QList>

// The conditions of a query, all joined with AND, in the order added.
class SqlConditionList final
{
public:
    void add(const QString &column, int op, const QString &value);
    void add(const QString &column, int op, int value);
    void add(const SqlCondition &condition);

    bool isEmpty() const { return m_conditions.isEmpty(); }
    QList<SqlCondition>::const_iterator begin() const { return m_conditions.cbegin(); }
    QList<SqlCondition>::const_iterator end() const { return m_conditions.cend(); }

private:
    QList<SqlCondition> m_conditions;
};

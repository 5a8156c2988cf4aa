#include "eventlog/SqlConditionList.h"

void SqlConditionList::add(const QString &column, int op, const QString &value)
{
    m_conditions.append(SqlCondition(column, op, value));
}

void SqlConditionList::add(const QString &column, int op, int value)
{
    m_conditions.append(SqlCondition(column, op, value));
}

void SqlConditionList::add(const SqlCondition &condition)
{
    m_conditions.append(condition);
}

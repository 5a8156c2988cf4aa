#include "eventlog/SqlCondition.h"

namespace {

QLatin1String conjunctionText(int conjunction)
{
    switch (conjunction) {
    case SqlConjunction::And:
        return QLatin1String(" AND ");
    case SqlConjunction::Or:
        return QLatin1String(" OR ");
    default:
        return QLatin1String("");
    }
}

} // namespace

SqlCondition::SqlCondition(const QString &column, int op, const QString &value)
    : column(column)
    , op(op)
    , value(value)
{
}

SqlCondition::SqlCondition(const QString &column, int op, int value)
    : SqlCondition(column, op, QString::number(value))
{
}

SqlCondition &SqlCondition::addTerm(int conjunction, int op, const QString &value)
{
    terms.append({conjunction, op, value});
    return *this;
}

QString SqlCondition::comparisons() const
{
    QString text = sqlComparison(column, op, value);
    for (const SqlTerm &term : terms)
        text += conjunctionText(term.conjunction) + sqlComparison(column, term.op, term.value);
    return text;
}

bool SqlCondition::hasOnlyNumberValues() const
{
    if (!isSqlNumberValue(op, value))
        return false;
    for (const SqlTerm &term : terms) {
        if (!isSqlNumberValue(term.op, term.value))
            return false;
    }
    return true;
}

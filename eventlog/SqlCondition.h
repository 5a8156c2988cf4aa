#pragma once

#include "eventlog/SqlOperator.h"

#include <QString>
#include <QVector>

// A further comparison on a condition's column, joined to the ones before.
struct SqlTerm
{
    int conjunction = SqlConjunction::And;
    int op = SqlOperator::Equal;
    QString value;
};

// One parenthesised group of comparisons on one column (for Exists, the
// column is the sub-select), written "(c op v conj c op v ...)".
struct SqlCondition
{
    SqlCondition(const QString &column, int op, const QString &value);
    SqlCondition(const QString &column, int op, int value);

    SqlCondition &addTerm(int conjunction, int op, const QString &value);

    // The group's text, without its parentheses.
    QString comparisons() const;
    bool hasOnlyNumberValues() const;

    QVector<SqlTerm> terms;
    QString column;
    int op;
    QString value;
};

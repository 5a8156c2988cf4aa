#pragma once

#include <QString>

// The comparisons, conjunctions and sort directions of SqlSelectQuery. They
// travel as plain ints; an unknown value writes its operands side by side
// (operators), joins with nothing (conjunctions) or writes no direction.
namespace SqlOperator {
enum : int {
    Equal = 0,
    NotEqual = 1,
    Like = 2,
    NotLike = 3,
    Greater = 4,
    GreaterOrEqual = 5,
    Less = 6,
    LessOrEqual = 7,
    In = 8,
    Exists = 9,
    BitAnd = 10,
};
}

namespace SqlConjunction {
enum : int { And = 0, Or = 1 };
}

namespace SqlOrder {
enum : int { Asc = 0, Desc = 1 };
}

// Whether a value may be written into a statement: empty (the NULL and
// EXISTS forms), a decimal integer, or for In a comma-separated list of
// them. Nothing else is ever substituted, so no outside text can become SQL.
bool isSqlNumberValue(int op, const QString &value);

// One comparison of column and value by op; "c = v", "c IS NULL" for an
// empty value, "EXISTS (c)" for Exists with an empty value. Empty, with a
// warning, when the value is not a number.
QString sqlComparison(const QString &column, int op, const QString &value);

#include "eventlog/SqlOperator.h"

#include <QDebug>
#include <QRegularExpression>

#include <iterator>

namespace {

// How each operator writes "column value", indexed by operator.
struct Form
{
    const char *prefix;
    const char *infix;
    const char *suffix;
};
const Form forms[] = {
    {"", " = ", ""}, // Equal
    {"", " <> ", ""}, // NotEqual
    {"", " LIKE ", ""}, // Like
    {"NOT ", " LIKE ", ""}, // NotLike
    {"", " > ", ""}, // Greater
    {"", " >= ", ""}, // GreaterOrEqual
    {"", " < ", ""}, // Less
    {"", " <= ", ""}, // LessOrEqual
    {"", " IN (", ")"}, // In
    {"", "", ""}, // Exists
    {"", " & (", ")"}, // BitAnd
};

} // namespace

bool isSqlNumberValue(int op, const QString &value)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+")));
    static const QRegularExpression numberList(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+(,-?[0-9]+)*")));
    if (value.isEmpty())
        return true;
    return (op == SqlOperator::In ? numberList : number).match(value).hasMatch();
}

QString sqlComparison(const QString &column, int op, const QString &value)
{
    if (!isSqlNumberValue(op, value)) {
        qWarning() << "sqlComparison"
                   << "rejected a value that is not a number:" << value;
        return {};
    }
    if (value.isEmpty()) {
        switch (op) {
        case SqlOperator::Equal:
            return column + QLatin1String(" IS NULL");
        case SqlOperator::NotEqual:
            return QLatin1String("NOT ") + column + QLatin1String(" IS NULL");
        case SqlOperator::Exists:
            return QLatin1String("EXISTS (") + column + QLatin1Char(')');
        default:
            return {};
        }
    }
    if (op < 0 || op >= int(std::size(forms)))
        return column + value;
    const Form &form = forms[op];
    return QLatin1String(form.prefix) + column + QLatin1String(form.infix) + value + QLatin1String(form.suffix);
}

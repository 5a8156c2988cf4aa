#include "reports/ReportLines.h"

namespace {

constexpr int IndentPerLevel = 4;

} // namespace

const QString ReportLines::LineEnd = QStringLiteral("\r\n");

QString ReportLines::textRow(const QStringList &texts, const QVector<int> &widths, const QString &separator)
{
    if (texts.size() <= 1)
        return texts.value(0) + LineEnd;
    QString line;
    for (int column = 0; column < texts.size(); ++column) {
        // A row wider than its section's first row pads its extra columns to
        // nothing.
        line += texts.at(column).leftJustified(widths.value(column), QLatin1Char(' '));
        line += separator;
    }
    return line + LineEnd;
}

QString ReportLines::framedTitleRow(const QStringList &texts, const QVector<int> &widths, const QString &separator,
                                    int lineWidth)
{
    const QString rule = QString(qMax(0, lineWidth), QLatin1Char('-')) + LineEnd;
    return rule + textRow(texts, widths, separator).toUpper() + rule;
}

QString ReportLines::indented(const QString &line, int level)
{
    return QString(IndentPerLevel * qMax(0, level), QLatin1Char(' ')) + line;
}

QString ReportLines::csvRow(const QStringList &texts)
{
    QStringList fields;
    fields.reserve(texts.size());
    for (const QString &text : texts)
        fields << quoted(QString(text).replace(QLatin1Char('"'), QStringLiteral("\\\"")));
    return fields.join(QLatin1Char(',')) + LineEnd;
}

QString ReportLines::quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

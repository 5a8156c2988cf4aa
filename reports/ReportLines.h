#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How one row of a report reads as a line of text or of comma-separated
// values; every line ends with CR LF.
class ReportLines final
{
public:
    static const QString LineEnd;

    // The texts of a multi-column row each padded to its column's width and
    // followed by the separator, the last one too; a one-column row is its
    // text alone.
    static QString textRow(const QStringList &texts, const QVector<int> &widths, const QString &separator);
    // A column-title row, upper-cased between two rules as wide as the
    // report.
    static QString framedTitleRow(const QStringList &texts, const QVector<int> &widths, const QString &separator,
                                  int lineWidth);
    // Four blanks per level before a data row.
    static QString indented(const QString &line, int level);
    // Each text in double quotes, a double quote inside it after a
    // backslash, joined by commas.
    static QString csvRow(const QStringList &texts);
    static QString quoted(const QString &text);
};

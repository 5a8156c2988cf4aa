#pragma once

#include <QStringList>

// The lines "help" prints for one command of a stand-in: its usage, then
// its description in a column of its own - on the next line when the usage
// is too long for the column.
inline QStringList commandHelp(const QString &usage, const QString &description)
{
    constexpr int DescriptionColumn = 36;
    if (usage.size() < DescriptionColumn - 1)
        return {usage.leftJustified(DescriptionColumn) + description};
    return {usage, QString(DescriptionColumn, QLatin1Char(' ')) + description};
}

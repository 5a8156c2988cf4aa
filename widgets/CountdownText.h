#pragma once

#include <QString>

// A countdown as "mm:ss": seconds beyond a minute carry into the minutes,
// each part at least two digits wide.
inline QString countdownText(int minutes, int seconds)
{
    return QStringLiteral("%1:%2")
        .arg(minutes + seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

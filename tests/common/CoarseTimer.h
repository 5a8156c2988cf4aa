#pragma once

#include <QtGlobal>

// A coarse QTimer may fire up to 5 % of its interval early, and its deadline
// is cut to a whole millisecond: the least time that can pass between
// starting one and its firing, as an elapsed timer started before counts it.
constexpr qint64 earliestCoarseTimeout(int intervalMs)
{
    return intervalMs - intervalMs / 20 - 1;
}

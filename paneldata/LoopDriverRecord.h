#pragma once

#include <QtGlobal>

// How one loop is driven, from the loop driver configuration page.
struct LoopDriverRecord
{
    enum Pairing : quint8 { PairedWithNext = 1, PairedWithPrevious = 2 };

    quint8 cardAddress = 0;
    quint8 pairing = 0;
    quint8 driverType = 0;
    int loopNumber = 0;
};

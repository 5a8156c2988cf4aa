#pragma once

#include <QString>

// One printer of a panel, as the panel configuration page lists it.
struct PrinterEntry
{
    quint8 printerNumber = 0;
    // Three further bytes in page order; printer lists keep the middle one
    // beside the number.
    quint8 firstExtra = 0;
    quint8 listedExtra = 0;
    quint8 thirdExtra = 0;
    QString name1;
    QString name2;
};

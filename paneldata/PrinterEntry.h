#pragma once

#include <QString>

// One printer of a panel, as the panel configuration page lists it.
struct PrinterEntry
{
    quint8 printerNumber = 0;
    // The second of these is what printer lists keep beside the number.
    quint8 byte1 = 0;
    quint8 byte2 = 0;
    quint8 byte3 = 0;
    QString name1;
    QString name2;
};

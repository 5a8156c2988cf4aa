#pragma once

#include "paneldata/VersionRecord.h"

#include <QVector>

// One piece of equipment of a panel with the versions of its software.
// Kinds: 1 main board, 3 network cards, 4 loop cards (second address byte =
// card number), 5 option cards by sub-kind, 2 and 6 further equipment.
struct EquipmentRecord
{
    int kind = 0;
    int subKind = 0;
    quint8 firstAddressByte = 0;
    quint8 secondAddressByte = 0;
    QVector<VersionRecord> versions;
};

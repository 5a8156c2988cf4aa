#pragma once

#include <QtGlobal>

// A further card of a panel; the equipment index matches the second address
// byte of the card's software version record.
struct OptionCardRecord
{
    quint8 cardAddress = 0;
    int equipmentIndex = 0;
};

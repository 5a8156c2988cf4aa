#pragma once

#include <QtGlobal>

// Questions on a point's device attribute bits (record byte 3): bit 1 an
// input, bit 2 an output.
inline constexpr bool attributeHasBit1(quint8 attributes)
{
    return (attributes & 0x02) != 0;
}

inline constexpr bool attributeHasBit2(quint8 attributes)
{
    return (attributes & 0x04) != 0;
}

inline constexpr bool attributeHasBits1And2(quint8 attributes)
{
    return (attributes & 0x06) == 0x06;
}

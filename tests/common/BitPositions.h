#pragma once

#include <QBitArray>
#include <QList>

// The positions of the set bits, in order, so a test compares a bit array
// with a short list.
inline QList<int> setBits(const QBitArray &bits)
{
    QList<int> set;
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            set << i;
    }
    return set;
}

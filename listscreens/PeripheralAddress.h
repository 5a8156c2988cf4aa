#pragma once

#include <QMetaType>
#include <QtGlobal>

namespace TC {

// Where a channel lies: its kind (12 for a loop) and its number.
struct peripheralAddress_t
{
    quint32 channelKind = 0;
    quint32 channelNumber = 0;

    bool operator==(const peripheralAddress_t &other) const
    {
        return channelKind == other.channelKind && channelNumber == other.channelNumber;
    }
};

} // namespace TC

Q_DECLARE_METATYPE(TC::peripheralAddress_t)

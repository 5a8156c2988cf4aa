#pragma once

#include <QHashFunctions>
#include <QMetaType>
#include <QtGlobal>

// Which point: panel, channel kind, channel number, channel address (the
// loop number on loops) and point. The wire carries the address before the
// number.
struct SimplePointInfo
{
    quint8 panel = 0;
    quint8 channelKind = 0;
    quint8 channelNumber = 0;
    quint8 channelAddress = 0;
    quint8 point = 0;

    bool operator==(const SimplePointInfo &other) const
    {
        return panel == other.panel && channelKind == other.channelKind && channelNumber == other.channelNumber
               && channelAddress == other.channelAddress && point == other.point;
    }
    bool operator!=(const SimplePointInfo &other) const { return !(*this == other); }
};

// Of the five values from the panel down, in the low 40 bits.
inline uint qHash(const SimplePointInfo &point, uint seed = 0)
{
    return qHash(quint64(point.panel) << 32 | quint32(point.channelKind) << 24 | quint32(point.channelNumber) << 16
                     | quint32(point.channelAddress) << 8 | point.point,
                 seed);
}

Q_DECLARE_METATYPE(SimplePointInfo)

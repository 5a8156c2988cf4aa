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

// Channel kind and number are four bits each in a channel address, so the
// five values of a point fit 32 bits without loss and no two points of a
// network share a bucket chain (values wider than that only may).
inline uint qHash(const SimplePointInfo &point, uint seed = 0)
{
    const uint packed = uint(point.panel) << 24 | uint(point.channelKind & 0x0F) << 20
                        | uint(point.channelNumber & 0x0F) << 16 | uint(point.channelAddress) << 8 | point.point;
    return qHash(packed, seed);
}

Q_DECLARE_METATYPE(SimplePointInfo)

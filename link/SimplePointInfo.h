#pragma once

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

Q_DECLARE_METATYPE(SimplePointInfo)

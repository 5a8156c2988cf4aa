#pragma once

#include "core/ChannelAddress.h"

#include <QString>

// One point's name in the panel's first and second language, as the
// point-text files hold it.
struct PointTextEntry
{
    ChannelAddress channel;
    quint8 point = 0;
    QString firstText;
    QString secondText;

    // The channel bytes and the point, for look-ups by point.
    quint32 key() const { return quint32(channel.byte0()) << 16 | quint32(channel.byte1()) << 8 | point; }

    bool operator==(const PointTextEntry &other) const
    {
        return channel == other.channel && point == other.point && firstText == other.firstText
               && secondText == other.secondText;
    }
};

#pragma once

#include "core/ChannelAddress.h"

#include <QMetaType>

// The three-byte address of one point of a panel as commands carry it: the
// channel bytes and the point. The channel is held in the form of the
// header layout the engine sends with when the address is built, so a list
// built for layout 0 already carries numerical channels.
class PointIndividualAddress final
{
public:
    PointIndividualAddress() = default;
    PointIndividualAddress(quint8 kind, quint8 address, quint8 number, quint8 point);

    const ChannelAddress &channel() const { return m_channel; }
    quint8 point() const { return m_point; }

    bool operator==(const PointIndividualAddress &other) const
    {
        return m_channel == other.m_channel && m_point == other.m_point;
    }
    bool operator!=(const PointIndividualAddress &other) const { return !(*this == other); }

    static void registerMetaType();

private:
    ChannelAddress m_channel;
    quint8 m_point = 255;
};

Q_DECLARE_METATYPE(PointIndividualAddress)

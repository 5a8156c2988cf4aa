#pragma once

#include "paneldata/ChannelPoints.h"

#include <QMap>
#include <QVector>

// One panel's configured points: its channels in the order they first
// arrived since the last clear, and the number of counted points per zone.
class PanelPointCore final
{
public:
    void clear();

    bool isEmpty() const { return m_empty; }
    const QVector<ChannelPoints> &channels() const { return m_channels; }

    void reserveChannels(int count);
    // The channel's entry, appended when new; room is made for recordCount
    // further records.
    ChannelPoints &channel(const ChannelAddress &key, int recordCount);
    ChannelPoints *findChannel(const ChannelAddress &key);
    // The first record of the point on the channel, or null.
    const PointAddressKey *findPoint(const ChannelAddress &key, quint8 point) const;

    void countZone(quint8 zone) { ++m_zoneCounts[zone]; }
    int zoneCount(quint8 zone) const { return m_zoneCounts.value(zone); }

private:
    QMap<quint8, int> m_zoneCounts;
    QVector<ChannelPoints> m_channels;
    bool m_empty = true;
};

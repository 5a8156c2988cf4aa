#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QSet>

// The points of one panel that have unrestored events of chosen categories
// in the event log. The log is read once, when the filter is built; each
// filter keeps its own keys, so filters alive at the same time never see
// each other's points.
class EventLogStatusFilter final : public SimplePointFilter
{
public:
    // Bit n of the mask selects event category n (the low four bits of
    // eventCat).
    EventLogStatusFilter(quint8 node, quint16 categoryMask);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

    // Channel kind, channel number, channel address and point number from
    // the high byte down.
    static quint32 pointKey(quint8 channelKind, quint8 channelNumber, quint8 channelAddress, quint8 point);
    int keyCount() const { return m_pointKeys.size(); }

private:
    void loadPointKeys();

    quint8 m_node;
    quint16 m_categoryMask;
    QSet<quint32> m_pointKeys;
};

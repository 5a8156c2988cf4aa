#pragma once

#include "link/SimplePointInfo.h"

#include <array>
#include <unordered_map>

class QStandardItem;

// The rows of a list by point: per channel of a panel a table of its 256
// point numbers, so that a list of a whole network costs one entry per
// channel, not one per point, and a look-up is one hash and one index.
class PointRowIndex final
{
public:
    void clear();
    // The first row given for a point stays its row.
    void addRow(const SimplePointInfo &point, QStandardItem *row);
    QStandardItem *row(const SimplePointInfo &point) const;

private:
    using PointRows = std::array<QStandardItem *, 256>;

    static quint32 channelKey(const SimplePointInfo &point);

    std::unordered_map<quint32, PointRows> m_channels;
    // Rows come channel by channel: the last channel's table, found once.
    quint32 m_lastKey = 0;
    PointRows *m_lastChannel = nullptr;
};

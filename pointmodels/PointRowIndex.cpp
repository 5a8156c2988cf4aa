#include "pointmodels/PointRowIndex.h"

void PointRowIndex::clear()
{
    m_channels.clear();
    m_lastChannel = nullptr;
}

quint32 PointRowIndex::channelKey(const SimplePointInfo &point)
{
    return quint32(point.panel) << 24 | quint32(point.channelKind) << 16 | quint32(point.channelNumber) << 8
           | point.channelAddress;
}

void PointRowIndex::addRow(const SimplePointInfo &point, QStandardItem *row)
{
    const quint32 key = channelKey(point);
    if (!m_lastChannel || key != m_lastKey) {
        // A new table starts with no rows; the map never moves a table.
        m_lastChannel = &m_channels.try_emplace(key).first->second;
        m_lastKey = key;
    }
    QStandardItem *&slot = (*m_lastChannel)[point.point];
    if (!slot)
        slot = row;
}

QStandardItem *PointRowIndex::row(const SimplePointInfo &point) const
{
    const auto channel = m_channels.find(channelKey(point));
    return channel == m_channels.end() ? nullptr : channel->second[point.point];
}

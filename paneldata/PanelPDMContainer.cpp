#include "paneldata/PanelPDMContainer.h"

void PanelPDMContainer::setChannelPoints(quint16 channelKey, QBitArray points)
{
    points.resize(ChannelBits);
    m_channels.insert(channelKey, std::move(points));
}

bool PanelPDMContainer::testPoint(quint16 channelKey, quint8 point) const
{
    const auto found = m_channels.constFind(channelKey);
    return found != m_channels.constEnd() && found->testBit(point);
}

QBitArray PanelPDMContainer::channelPoints(quint16 channelKey) const
{
    return m_channels.value(channelKey, QBitArray(ChannelBits));
}

int PanelPDMContainer::channelPointCount(quint16 channelKey) const
{
    const auto found = m_channels.constFind(channelKey);
    return found == m_channels.constEnd() ? 0 : found->count(true);
}

int PanelPDMContainer::pointCount() const
{
    int count = 0;
    for (const QBitArray &points : m_channels)
        count += points.count(true);
    return count;
}

#pragma once

#include <QBitArray>
#include <QHash>

// One panel's map in one page: per channel key, 256 bits, bit p for point p.
class PanelPDMContainer final
{
public:
    static constexpr int ChannelBits = 256;

    void clear() { m_channels.clear(); }
    // Bits beyond the channel's 256 points are dropped.
    void setChannelPoints(quint16 channelKey, QBitArray points);

    bool testPoint(quint16 channelKey, quint8 point) const;
    QBitArray channelPoints(quint16 channelKey) const;
    QList<quint16> channelKeys() const { return m_channels.keys(); }
    int channelPointCount(quint16 channelKey) const;
    int pointCount() const;

private:
    QHash<quint16, QBitArray> m_channels;
};

#include "paneldata/PointAddressing.h"

quint32 packPointAddress(quint8 panel, quint8 channelByte, quint8 channelAddress, quint8 point)
{
    return quint32(panel) << 24 | quint32(channelByte) << 16 | quint32(channelAddress) << 8 | point;
}

quint32 packChannelPointAddress(quint8 panel, const ChannelAddress &channel, quint8 point)
{
    return packPointAddress(panel, channel.byte0(), channel.byte1(), point);
}

quint32 packSimplePointInfo(const SimplePointInfo &point)
{
    const ChannelAddress channel(point.channelKind, point.channelAddress, point.channelNumber);
    return packChannelPointAddress(point.panel, channel, point.point);
}

quint8 loopToChannel(quint8 loop)
{
    return loop;
}

QBitArray bitStringToBitArray(const QString &bits)
{
    QBitArray array(bits.size());
    for (int i = 0; i < bits.size(); ++i)
        array.setBit(i, bits.at(i) == QLatin1Char('1'));
    return array;
}

QString bitArrayToBitString(const QBitArray &bits)
{
    QString text(bits.size(), QLatin1Char('0'));
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            text[i] = QLatin1Char('1');
    }
    return text;
}

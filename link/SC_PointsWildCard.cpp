#include "link/SC_PointsWildCard.h"

#include "core/ChannelConversion.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/model.h"

#include <QDebug>

SC_PointsWildCard::SC_PointsWildCard(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                                     quint32 p1, quint32 p2, quint32 p3, quint32 p4, quint32 p5)
    : SC_PointsWildCard(panel, channelKind, channelAddress, channelNumber, p1, p2, p3, p4, p5, 0, 0)
{
}

SC_PointsWildCard::SC_PointsWildCard(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                                     quint32 p1, quint32 p2, quint32 p3, quint32 p4, quint32 p5, quint8 mapping, quint8)
    : SC_PointsAddress(WildCard)
    , m_channel(channelKind, channelAddress, channelNumber)
    , m_pattern{{p1, p2, p3, p4, p5}}
    , m_mapping(mapping)
{
    setPanel(panel);
    if (TeskGlobalConfig::instance()->packetHeaderLayout() == 0) {
        const auto numerical = channelAddressToNumerical(channelKind, channelAddress);
        m_channel.set(numerical.first, numerical.second, channelNumber);
    }
}

void SC_PointsWildCard::addMappingOffset(quint8 offset)
{
    if (m_offsets.size() >= MaximumMappingOffsets) {
        qWarning().nospace() << "SC_PointsWildCard::addMappingOffset"
                             << ":" << 105 << " Trying to add too many zones!";
        return;
    }
    m_offsets.append(offset);
}

int SC_PointsWildCard::loadByteArray(QByteArray &target, int) const
{
    target.append(char(kind()));
    target.append(char(panel()));
    target.append(char(m_channel.byte0()));
    target.append(char(m_channel.byte1()));
    for (const quint32 byte : m_pattern)
        target.append(char(quint8(byte)));
    if (quint8(m_pattern[4]) == MappedSelector) {
        target.append(char(m_mapping));
        target.append(char(WrittenSecondMapping));
        for (const quint8 offset : m_offsets)
            target.append(char(offset));
    }
    return 0;
}

int SC_PointsWildCard::byteLength(int) const
{
    return m_offsets.size() + 14;
}

#pragma once

#include "core/ChannelAddress.h"
#include "link/SC_PointsAddress.h"

#include <QList>

#include <array>

// Points of one panel named by a pattern, always in one packet:
//   3 | panel | channel byte 0, channel byte 1 | P1 P2 P3 P4 P5
//   and when P5 is 252: M | 241 | the mapping offsets in the order added
// A second mapping byte given at construction is always written as 241.
// The pattern bytes' meaning is the controller's; the screens pass the point
// (or 255), 127, a device class, a type bit and a zone selector.
class SC_PointsWildCard final : public SC_PointsAddress
{
public:
    static constexpr quint8 MappedSelector = 252;
    static constexpr quint8 WrittenSecondMapping = 241;
    static constexpr int MaximumMappingOffsets = 241;

    SC_PointsWildCard(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint32 p1,
                      quint32 p2, quint32 p3, quint32 p4, quint32 p5);
    SC_PointsWildCard(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint32 p1,
                      quint32 p2, quint32 p3, quint32 p4, quint32 p5, quint8 mapping, quint8 secondMapping);

    void addMappingOffset(quint8 offset);
    const QList<quint8> &mappingOffsets() const { return m_offsets; }
    const ChannelAddress &channel() const { return m_channel; }

    // The whole pattern, whatever the start; the list is then done.
    int loadByteArray(QByteArray &target, int start) const override;
    int byteLength(int start) const override;
    // The mapping offsets.
    int count() const override { return m_offsets.size(); }

private:
    ChannelAddress m_channel;
    std::array<quint32, 5> m_pattern;
    quint8 m_mapping = 0;
    QList<quint8> m_offsets;
};

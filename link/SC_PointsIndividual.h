#pragma once

#include "link/SC_PointsAddress.h"
#include "paneldata/PointIndividualAddress.h"

#include <QList>

// The points of one panel that a command names one by one, in the order
// they were added. One packet carries at most 255 of them on at most 20
// distinct channels:
//   0 | panel | n | n entries, the last of the chunk first:
//                   channel byte 0, channel byte 1, point
class SC_PointsIndividual final : public SC_PointsAddress
{
public:
    static constexpr int MaximumChunkEntries = 255;
    static constexpr int MaximumChunkChannels = 20;

    SC_PointsIndividual();

    // The channel is stored in the form of the header layout in force now.
    void addPoint(quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point);
    // An address already in the form of the layout in force, as a list row
    // carries it.
    void addAddress(const PointIndividualAddress &address) { m_points.append(address); }
    const QList<PointIndividualAddress> &points() const { return m_points; }

    int loadByteArray(QByteArray &target, int start) const override;
    int byteLength(int start) const override;
    int count() const override { return m_points.size(); }

    // Whether the controller reports any of the points as disabled and
    // forced; screens ask before they disable or enable.
    bool containsFlaggedPoint() const;

private:
    // How many entries from the start fit one packet.
    int chunkLength(int start) const;

    QList<PointIndividualAddress> m_points;
};

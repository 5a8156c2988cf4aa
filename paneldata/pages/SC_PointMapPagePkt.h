#pragma once

#include "core/ChannelAddress.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>
#include <QVector>

class SyncClient;

// The body both point map families share:
//   u16 record count (low 8 bits used) | records of u8 channel byte 0 |
//   u8 channel address (header layout 0: a numerical channel) | u8 first
//   point F | u8 point count n | n bits for points F, F + 1, ...
// Part 0 of a page replaces the panel's map of that page; later parts add
// channels. Panels above 99 have no map.
class SC_PointMapPagePkt : public sc_SyncPagePacket
{
public:
    struct ChannelMap
    {
        ChannelAddress channel;
        QBitArray points;
    };

    bool isRoutedHere() const override;
    void serialise() override;

protected:
    enum class OutOfRange { EndsPart, IsRead };

    SC_PointMapPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client, OutOfRange outOfRange);

    void storeMaps() const;
    void notifyMapUpdated() const;

private:
    QVector<ChannelMap> m_records;
};

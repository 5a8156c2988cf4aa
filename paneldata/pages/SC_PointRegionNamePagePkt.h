#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 28, the names of a panel's channels (regions). Body: language count
// L (1 or 2) | 16-bit count N (at most 4096) | N times: channel byte 0 |
// channel byte 1 (in header layout 0 the two are a kind and a numerical
// channel) | L texts. Empty names are not stored.
class SC_PointRegionNamePagePkt final : public sc_SyncPagePacket
{
public:
    SC_PointRegionNamePagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    struct Region
    {
        quint8 byte0;
        quint8 byte1;
        QStringList names;
    };

    quint8 m_languages;
    quint16 m_count;
    QVector<Region> m_regions;
};

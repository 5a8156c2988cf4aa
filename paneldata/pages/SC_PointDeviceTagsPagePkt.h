#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 11, the device tags, system-wide (panel 254). Body: first tag F |
// 16-bit count N (at most 256) | N texts, the tags of F to F + N - 1,
// counted round through 255 to 0.
class SC_PointDeviceTagsPagePkt final : public sc_SyncPagePacket
{
public:
    SC_PointDeviceTagsPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_firstTag;
    quint16 m_count;
    QStringList m_tags;
};

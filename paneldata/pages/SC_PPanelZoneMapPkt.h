#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Pages 20 and 21: u8 first zone Z | u8 zone count n | n bits for zones Z,
// Z + 1, ... Kept as one "0"/"1" text of zones 0 to 240 per panel; zones
// past 240 refuse the page.
class SC_PPanelZoneMapPkt final : public sc_SyncPagePacket
{
public:
    static constexpr int Zones = 241;

    SC_PPanelZoneMapPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_firstZone = 0;
    quint8 m_zoneCount = 0;
    QBitArray m_zones;
};

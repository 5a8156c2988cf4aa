#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 9, the logical zone numbers of a panel's zones. Body: first zone F |
// zone count C | C 16-bit logical zone numbers, the first for zone F; the
// zones stay within 0 to 250. Part 0 replaces the panel's numbers.
class SC_LogicalZoneConfigurationPkt final : public sc_SyncPagePacket
{
public:
    SC_LogicalZoneConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_firstZone;
    quint8 m_count;
    QVector<quint16> m_logicalZones;
};

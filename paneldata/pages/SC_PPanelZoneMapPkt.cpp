#include "paneldata/pages/SC_PPanelZoneMapPkt.h"

#include "paneldata/PointAddressing.h"

SC_PPanelZoneMapPkt::SC_PPanelZoneMapPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_firstZone(buffer()->readUInt8())
    , m_zoneCount(buffer()->readUInt8())
    , m_zones(buffer()->readBitArray(m_firstZone, m_zoneCount))
{
}

bool SC_PPanelZoneMapPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_firstZone + m_zoneCount <= Zones;
}

void SC_PPanelZoneMapPkt::handlePacketData()
{
    QBitArray zones = m_zones;
    zones.resize(Zones);
    setBucketValue(QString::number(panelNumber()), bitArrayToBitString(zones), false);
}

void SC_PPanelZoneMapPkt::serialise()
{
    buffer()->writeLength();
}

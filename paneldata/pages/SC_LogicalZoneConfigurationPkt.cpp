#include "paneldata/pages/SC_LogicalZoneConfigurationPkt.h"

#include "paneldata/PrintableAddress.h"

namespace {

constexpr int LastZone = 250;

bool isInRange(quint8 first, quint8 count)
{
    return first <= LastZone && count <= LastZone + 1 && (count == 0 || first + count - 1 <= LastZone);
}

} // namespace

SC_LogicalZoneConfigurationPkt::SC_LogicalZoneConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                               SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_firstZone(buffer()->readUInt8())
    , m_count(buffer()->readUInt8())
{
    if (!isInRange(m_firstZone, m_count))
        return;
    for (int i = 0; i < m_count; ++i)
        m_logicalZones.append(buffer()->readUInt16());
}

bool SC_LogicalZoneConfigurationPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isInRange(m_firstZone, m_count);
}

void SC_LogicalZoneConfigurationPkt::handlePacketData()
{
    if (partNumber() == 0) {
        removePanelKeys();
        PrintableAddress::instance()->clearZoneTextCache();
    }
    for (int i = 0; i < m_logicalZones.size(); ++i) {
        setBucketKey(QStringLiteral("%1|%2|%3").arg(panelNumber()).arg(m_firstZone + i).arg(m_logicalZones.at(i)),
                     QLatin1String("1"));
    }
}

void SC_LogicalZoneConfigurationPkt::serialise()
{
    buffer()->writeLength();
}

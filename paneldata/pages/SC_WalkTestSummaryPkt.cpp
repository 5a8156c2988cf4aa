#include "paneldata/pages/SC_WalkTestSummaryPkt.h"

#include "link/SyncClient.h"
#include "paneldata/WalkTestHandler.h"

SC_WalkTestSummaryPkt::SC_WalkTestSummaryPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_status(buffer()->readUInt8())
    , m_groupMask(buffer()->readUInt8())
{
    SC_PacketBuffer &bytes = *buffer();
    for (quint16 &counter : m_counters)
        counter = bytes.readUInt16();
    m_zoneSelector = bytes.readUInt8();
    if (m_zoneSelector == WalkTestSummary::ListedZones && hasOptionalField()) {
        const quint8 firstZone = bytes.readUInt8();
        const quint8 zoneCount = bytes.readUInt8();
        m_zones = bytes.readBitArray(firstZone, zoneCount);
    }
    if (hasOptionalField())
        m_extraValue = bytes.readUInt8();
}

bool SC_WalkTestSummaryPkt::isRoutedHere() const
{
    return isTablePanel();
}

void SC_WalkTestSummaryPkt::handlePacketData()
{
    WalkTestHandler::instance()->updateSummary(panelNumber(), m_zoneSelector, m_status, m_groupMask, m_counters,
                                               m_zones, m_extraValue);
    client()->notifyWalkTestUpdated();
}

void SC_WalkTestSummaryPkt::serialise()
{
    buffer()->writeLength();
}

#include "paneldata/pages/SC_ServiceToolStatusPagePkt.h"

#include "link/SyncClient.h"

SC_ServiceToolStatusPagePkt::SC_ServiceToolStatusPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                         SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_linkStatus(buffer()->readUInt8())
    , m_toolStatus(buffer()->readUInt8())
{
}

void SC_ServiceToolStatusPagePkt::handlePacketData()
{
    setBucketNumber(QStringLiteral("srvLnkSts"), m_linkStatus, false);
    setBucketNumber(QStringLiteral("srvTlSts"), m_toolStatus, false);
    client()->emitServiceToolStatusUpdateReceived();
}

void SC_ServiceToolStatusPagePkt::serialise()
{
    buffer()->writeLength();
}

#include "link/packets/SC_RealDevPresentReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

SC_RealDevPresentReplyPkt::SC_RealDevPresentReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_result = bytes.readUInt8();
    bytes.readUInt8();
    m_point = bytes.readUInt8();
    m_deviceType = bytes.readUInt8();
}

void SC_RealDevPresentReplyPkt::handlePacketData()
{
    sc_LkPointManagerServices *services = m_client->getPointManagerServices();
    emit services->realDevicePresentRequestComplete(m_result == 0);
    emit services->realDevicePresentProcessDeviceId(m_result == 0, m_deviceType, m_point);
}

void SC_RealDevPresentReplyPkt::serialise()
{
}

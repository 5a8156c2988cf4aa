#include "link/packets/SC_ConnectedServicesResponsePkt.h"

#include "link/SyncClient.h"

SC_ConnectedServicesResponsePkt::SC_ConnectedServicesResponsePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                 SyncClient *client)
    : SC_SystemManagerSupportPacket(received)
    , m_configuration(buffer()->readUInt8())
    , m_firstService(readService())
    , m_secondService(readService())
    , m_client(client)
{
}

SC_ConnectedServicesResponsePkt::Service SC_ConnectedServicesResponsePkt::readService()
{
    Service service;
    service.state = buffer()->readUInt8();
    service.first = buffer()->readUInt16();
    service.second = buffer()->readUInt16();
    return service;
}

void SC_ConnectedServicesResponsePkt::handlePacketData()
{
    emit m_client->ConnectedServicesReply(sourceNode(), m_configuration, m_firstService.state, m_firstService.first,
                                          m_firstService.second, m_secondService.state, m_secondService.first,
                                          m_secondService.second);
}

void SC_ConnectedServicesResponsePkt::serialise()
{
    buffer()->writeLength();
}

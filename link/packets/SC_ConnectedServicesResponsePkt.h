#pragma once

#include "link/SC_SystemManagerSupportPacket.h"

class SyncClient;

// The state of a panel's connected services (sub-code 29). Payload after
// 29: configuration | first service: state, two u16 values | second
// service: state, two u16 values.
class SC_ConnectedServicesResponsePkt final : public SC_SystemManagerSupportPacket
{
public:
    static constexpr int SubCode = 29;
    static constexpr int PayloadLength = 12;

    SC_ConnectedServicesResponsePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    struct Service
    {
        quint8 state = 0;
        quint16 first = 0;
        quint16 second = 0;
    };

    Service readService();

    quint8 m_configuration;
    Service m_firstService;
    Service m_secondService;
    SyncClient *m_client;
};

#pragma once

#include "link/SC_TESKSupportPacket.h"

class SyncClient;

// The controller opens a synchronisation (sub-code 18). Payload:
//   0 18 | 1 - | 2 controller type | 3 - | 4 network node | 5 - |
//   6 connection node | 7 option bits (only when the length field covers it)
// Option bit 0 is the panel firmware debug flag.
class SC_InitiateConnectionPacket final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 18;
    static constexpr quint8 NoOptions = 255;

    SC_InitiateConnectionPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 controllerType() const { return m_controllerType; }
    quint8 networkNodeNumber() const { return m_networkNode; }
    quint8 connectionNodeNumber() const { return m_connectionNode; }
    quint8 options() const { return m_options; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_controllerType = 0;
    quint8 m_networkNode = 0;
    quint8 m_connectionNode = 0;
    quint8 m_options = NoOptions;
    SyncClient *m_client;
};

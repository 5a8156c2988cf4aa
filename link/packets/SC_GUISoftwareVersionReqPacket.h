#pragma once

#include "link/SC_SystemManagerSupportPacket.h"

class SyncClient;

// The controller asks which software the engine runs (sub-code 19) and is
// answered at once. Payload: 19 | one byte not used.
class SC_GUISoftwareVersionReqPacket final : public SC_SystemManagerSupportPacket
{
public:
    static constexpr int SubCode = 19;
    static constexpr int PayloadLength = 2;

    SC_GUISoftwareVersionReqPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    SyncClient *m_client;
};

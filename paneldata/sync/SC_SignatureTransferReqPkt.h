#pragma once

#include "link/SC_TESKSupportPacket.h"

class SyncClient;

// The controller asks for every signature the engine holds (sub-code 16).
// Payload: 16, panel filter (255: every panel).
class SC_SignatureTransferReqPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 16;
    static constexpr quint8 AllPanels = 255;

    SC_SignatureTransferReqPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 panelFilter() const { return m_panelFilter; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_panelFilter;
    SyncClient *m_client;
};

#pragma once

#include "link/SC_TESKSupportPacket.h"

class SyncClient;

// The controller's protocol-level supervision (sub-code 25), both ways.
// Payload: 25, S1, S2, S3, S4; bit 0 of S4 clear: a request, set: an answer.
class SC_SupervisionPacket final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 25;

    SC_SupervisionPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);
    // The answer to a request.
    SC_SupervisionPacket(const SC_LkSpeakBasePacket &request, SyncClient *client);

    bool isRequest() const { return (m_s4 & 0x01) == 0; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_s1;
    quint8 m_s2;
    quint8 m_s3;
    quint8 m_s4;
    SyncClient *m_client;
};

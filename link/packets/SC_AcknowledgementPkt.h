#pragma once

#include "link/SC_TESKSupportPacket.h"

class SyncClient;

// The answer to a support packet that asked for an acknowledgement
// (sub-code 1), both ways. Payload: 1, answer. Received, the answer goes to
// the screens as acknowledgementStatus.
class SC_AcknowledgementPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 1;

    // Answers a sync-page part may get: taken and stored; refused, to be
    // sent again; a page the engine has no handler for.
    enum Answer : quint8 {
        Accepted = 0,
        Rejected = 1,
        NoHandler = 2,
    };

    SC_AcknowledgementPkt(const SC_LkSpeakBasePacket &request, quint8 answer);
    SC_AcknowledgementPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 answer() const { return m_answer; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_answer;
    SyncClient *m_client = nullptr;
};

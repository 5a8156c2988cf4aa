#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

class SyncClient;

// The controller's standard answer (function code 184). Payload: status |
// one byte not used | a signed 16-bit value.
class SC_StandardReplyPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::StandardReply;
    static constexpr int PayloadLength = 4;

    SC_StandardReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_status;
    qint16 m_value;
    SyncClient *m_client;
};

#pragma once

#include "link/LkFunctionCode.h"
#include "link/LoopShutdownRestartReply.h"
#include "link/SC_LkSpeakBasePacket.h"

class SyncClient;

// The controller's answer to a loop shutdown or restart (function code
// 180). Payload: four bytes.
class SC_LoopShutdownRestartReplyPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::LoopShutdownRestartReply;
    static constexpr int PayloadLength = 4;

    SC_LoopShutdownRestartReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    LoopShutdownRestartReply m_reply;
    SyncClient *m_client;
};

#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

class SyncClient;

// The controller's answer to one disablement packet (function code 156),
// carrying that packet's sequence byte. Payload: first | completed |
// deferred, each u16.
class SC_PointCommandReplyPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PointCommandReply;
    static constexpr int PayloadLength = 6;

    SC_PointCommandReplyPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint16 m_first;
    quint16 m_completed;
    quint16 m_deferred;
    SyncClient *m_client;
};

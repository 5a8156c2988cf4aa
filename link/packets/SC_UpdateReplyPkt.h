#pragma once

#include "link/packets/SC_PanelUpdateReplyPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// The answer to an update request (kind 2). After the kind: status; when it
// is not 0, a byte and a u16 follow (read, not passed on).
class SC_UpdateReplyPkt final : public SC_PanelUpdateReplyPkt
{
public:
    SC_UpdateReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;

private:
    quint8 m_status;
};

} // namespace PanelUpdate
} // namespace LkSpeak

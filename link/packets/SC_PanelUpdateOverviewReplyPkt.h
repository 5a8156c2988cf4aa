#pragma once

#include "link/PanelUpdateTypes.h"
#include "link/packets/SC_PanelUpdateReplyPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// The progress of the update under way (kind 3). After the kind: state, A
// (u16), B, error, C (u16), D (u16), E.
class SC_PanelUpdateOverviewReplyPkt final : public SC_PanelUpdateReplyPkt
{
public:
    SC_PanelUpdateOverviewReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;

private:
    PanelUpdateOverview m_overview;
};

} // namespace PanelUpdate
} // namespace LkSpeak

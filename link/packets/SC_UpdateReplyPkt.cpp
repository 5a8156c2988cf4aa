#include "link/packets/SC_UpdateReplyPkt.h"

#include "link/PanelUpdateTypes.h"
#include "link/SyncClient.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_UpdateReplyPkt::SC_UpdateReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PanelUpdateReplyPkt(received, client)
    , m_status(buffer()->readUInt8())
{
    if (m_status != 0) {
        buffer()->readUInt8();
        buffer()->readUInt16();
    }
}

void SC_UpdateReplyPkt::handlePacketData()
{
    emit m_client->panelUpdateReply(TESK_CONTEXT::ePanelUpdateErrorCodes(m_status));
}

} // namespace PanelUpdate
} // namespace LkSpeak

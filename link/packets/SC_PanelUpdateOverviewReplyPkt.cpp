#include "link/packets/SC_PanelUpdateOverviewReplyPkt.h"

#include "link/SyncClient.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_PanelUpdateOverviewReplyPkt::SC_PanelUpdateOverviewReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                               SyncClient *client)
    : SC_PanelUpdateReplyPkt(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_overview.state = bytes.readUInt8();
    m_overview.valueA = bytes.readUInt16();
    m_overview.valueB = bytes.readUInt8();
    m_overview.error = bytes.readUInt8();
    m_overview.valueC = bytes.readUInt16();
    m_overview.valueD = bytes.readUInt16();
    m_overview.valueE = bytes.readUInt8();
}

void SC_PanelUpdateOverviewReplyPkt::handlePacketData()
{
    emit m_client->panelUpdateOverviewReply(m_overview);
}

} // namespace PanelUpdate
} // namespace LkSpeak

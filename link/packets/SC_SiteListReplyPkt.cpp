#include "link/packets/SC_SiteListReplyPkt.h"

#include "link/SyncClient.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_SiteListReplyPkt::SC_SiteListReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PanelUpdateReplyPkt(received, client)
    , m_error(buffer()->readUInt8())
{
    const quint8 count = buffer()->readUInt8();
    for (int i = 0; i < count && !buffer()->isBad(); ++i) {
        SiteListData site;
        site.name = readText();
        site.reference = readText();
        m_sites << site;
    }
}

void SC_SiteListReplyPkt::handlePacketData()
{
    emit m_client->siteListReply(TESK_CONTEXT::ePanelUpdateErrorCodes(m_error), m_sites);
}

} // namespace PanelUpdate
} // namespace LkSpeak

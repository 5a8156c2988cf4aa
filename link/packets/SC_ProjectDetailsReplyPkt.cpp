#include "link/packets/SC_ProjectDetailsReplyPkt.h"

#include "link/SyncClient.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_ProjectDetailsReplyPkt::SC_ProjectDetailsReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : SC_PanelUpdateReplyPkt(received, client)
    , m_error(buffer()->readUInt8())
    , m_firstText(readText())
    , m_secondText(readText())
{
    const quint8 count = buffer()->readUInt8();
    for (int i = 0; i < count && !buffer()->isBad(); ++i) {
        const quint8 panel = buffer()->readUInt8();
        PanelData data;
        data.name = readText();
        data.operations = buffer()->readUInt16();
        m_panels.insert(panel, data);
    }
}

void SC_ProjectDetailsReplyPkt::handlePacketData()
{
    emit m_client->projectDetailsReply(TESK_CONTEXT::ePanelUpdateErrorCodes(m_error), m_panels);
}

} // namespace PanelUpdate
} // namespace LkSpeak

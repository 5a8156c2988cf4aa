#include "link/packets/SC_DigitalEnrolmentFilePathReplyPkt.h"

#include "link/PanelUpdateTypes.h"
#include "link/SyncClient.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_DigitalEnrolmentFilePathReplyPkt::SC_DigitalEnrolmentFilePathReplyPkt(
    const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PanelUpdateReplyPkt(received, client)
    , m_error(buffer()->readUInt8())
    , m_path(readText())
{
}

void SC_DigitalEnrolmentFilePathReplyPkt::handlePacketData()
{
    emit m_client->digitalEnrolmentFilePathReply(TESK_CONTEXT::ePanelUpdateErrorCodes(m_error), m_path);
}

} // namespace PanelUpdate
} // namespace LkSpeak

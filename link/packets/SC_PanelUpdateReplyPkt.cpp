#include "link/packets/SC_PanelUpdateReplyPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_PanelUpdateReplyPkt::SC_PanelUpdateReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_SystemManagerSupportPacket(received)
    , m_client(client)
    , m_replyKind(buffer()->readUInt8())
{
}

int SC_PanelUpdateReplyPkt::kindOf(SC_PacketBuffer &buffer)
{
    buffer.rewind();
    buffer.readUInt8();
    const int kind = buffer.readUInt8();
    buffer.rewind();
    return kind;
}

void SC_PanelUpdateReplyPkt::serialise()
{
}

QString SC_PanelUpdateReplyPkt::readText()
{
    const quint8 length = buffer()->readUInt8();
    return buffer()->readText(length, false);
}

} // namespace PanelUpdate
} // namespace LkSpeak

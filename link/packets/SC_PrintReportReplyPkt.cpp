#include "link/packets/SC_PrintReportReplyPkt.h"

#include "link/SC_LinkEffects.h"

SC_PrintReportReplyPkt::SC_PrintReportReplyPkt(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
    , m_result(buffer()->readUInt8())
    , m_detail(buffer()->readUInt8())
{
}

int SC_PrintReportReplyPkt::popupKind() const
{
    if (m_result == 0)
        return 2;
    return m_detail == 0 ? 1 : 0;
}

void SC_PrintReportReplyPkt::handlePacketData()
{
    SC_LinkEffects::installed()->showPrintResult(popupKind());
}

void SC_PrintReportReplyPkt::serialise()
{
    buffer()->writeLength();
}

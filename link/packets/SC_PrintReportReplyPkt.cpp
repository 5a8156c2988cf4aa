#include "link/packets/SC_PrintReportReplyPkt.h"

#include "app/PageStack.h"
#include "screens/status/AUK_40056.h"

#include <QApplication>
#include <QDebug>

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

// Tools that run the dispatch without a screen get the outcome as a warning.
void SC_PrintReportReplyPkt::handlePacketData()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning() << "SC_PrintReportReplyPkt::handlePacketData" << " No screen for the print result" << popupKind();
        return;
    }
    PageStack::instance()->push(new AUK_40056(popupKind()));
}

void SC_PrintReportReplyPkt::serialise()
{
    buffer()->writeLength();
}

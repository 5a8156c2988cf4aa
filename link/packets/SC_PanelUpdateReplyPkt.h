#pragma once

#include "link/SC_SystemManagerSupportPacket.h"

class SyncClient;

namespace LkSpeak {
namespace PanelUpdate {

// An answer of the panel update dialogue (system manager, sub-code 3).
// Payload: 3, the reply kind, then what the kind carries; texts are a
// length byte and the panel's bytes.
class SC_PanelUpdateReplyPkt : public SC_SystemManagerSupportPacket
{
public:
    static constexpr int SubCode = 3;
    enum Kind : quint8 { SiteList = 0, ProjectDetails = 1, Update = 2, Overview = 3, DigitalEnrolmentFilePath = 4 };

    // The kind of a received reply, read without moving the buffer's cursor.
    static int kindOf(SC_PacketBuffer &buffer);

    int replyKind() const { return m_replyKind; }
    void serialise() override;

protected:
    SC_PanelUpdateReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    QString readText();

    SyncClient *m_client;

private:
    int m_replyKind;
};

} // namespace PanelUpdate
} // namespace LkSpeak

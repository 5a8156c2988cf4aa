#pragma once

#include "link/packets/SC_PanelUpdateReplyPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// Where a digital enrolment file is (kind 4). After the kind: error, the
// path as a text.
class SC_DigitalEnrolmentFilePathReplyPkt final : public SC_PanelUpdateReplyPkt
{
public:
    SC_DigitalEnrolmentFilePathReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;

private:
    quint8 m_error;
    QString m_path;
};

} // namespace PanelUpdate
} // namespace LkSpeak

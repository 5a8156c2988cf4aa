#pragma once

#include "link/PanelUpdateTypes.h"
#include "link/packets/SC_PanelUpdateReplyPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// The panels of a site (kind 1). After the kind: error, two texts (kept,
// not passed on), count n, then n times panel number, panel name text and
// available operations (u16). A panel named twice keeps its later entry.
class SC_ProjectDetailsReplyPkt final : public SC_PanelUpdateReplyPkt
{
public:
    SC_ProjectDetailsReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;

private:
    quint8 m_error;
    QString m_firstText;
    QString m_secondText;
    panelDataMap_t m_panels;
};

} // namespace PanelUpdate
} // namespace LkSpeak

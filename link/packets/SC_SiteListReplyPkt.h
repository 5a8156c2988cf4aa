#pragma once

#include "link/PanelUpdateTypes.h"
#include "link/packets/SC_PanelUpdateReplyPkt.h"

#include <QVector>

namespace LkSpeak {
namespace PanelUpdate {

// The sites that can be loaded (kind 0). After the kind: error, count n,
// then n times the site's name and reference as texts.
class SC_SiteListReplyPkt final : public SC_PanelUpdateReplyPkt
{
public:
    SC_SiteListReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;

private:
    quint8 m_error;
    QVector<SiteListData> m_sites;
};

} // namespace PanelUpdate
} // namespace LkSpeak

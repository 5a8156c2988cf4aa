#pragma once

#include "core/TCTypes.h"
#include "link/SC_TESKSupportPacket.h"

#include <QBitArray>

class SyncClient;

// The controller drops pages of the panels it names (sub-code 9). Payload:
//   0 9 | 1 page id (255: every page) | 2 panel selector (253: a panel
//   bitmap follows) | 3 part (unused) | 4 status (3: drop) | 5 first bit |
//   6 bit count | 7.. bitmap, bit i naming panel first + i
// Only panels 0 to 99 can be dropped.
class SC_SyncPageStausUpdatePkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 9;
    static constexpr quint8 PanelBitmap = 253;
    static constexpr quint8 DropPages = 3;

    SC_SyncPageStausUpdatePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

    // Everything the engine holds of one panel's pages; the signatures stay.
    void clearPanelPages(TC::panel_t panel) const;

private:
    quint8 m_pageId;
    quint8 m_panelSelector;
    quint8 m_part;
    quint8 m_status;
    quint8 m_firstBit;
    quint8 m_bitCount;
    QBitArray m_panels;
    SyncClient *m_client;
};

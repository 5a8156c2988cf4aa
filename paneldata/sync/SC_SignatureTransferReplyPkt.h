#pragma once

#include "link/SC_TESKSupportPacket.h"
#include "link/sc_syncPages.h"

#include <QVector>

// Every stored signature of one panel or of all (sub-code 17), whatever its
// flags. Payload:
//   17 | panel count N | N x { panel | page count M |
//        M x { page | signature count K | K x signature (u32) } }
// Panels, pages and parts in ascending order; part numbers are not sent.
// A count byte cannot say more than 255: a longer run is cut there, so the
// controller sends the parts that were left out again.
class SC_SignatureTransferReplyPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 17;
    static constexpr int MaximumCount = 255;

    struct PageGroup
    {
        quint8 page;
        QVector<quint32> signatures;
    };
    struct PanelGroup
    {
        quint8 panel;
        QVector<PageGroup> pages;
    };

    SC_SignatureTransferReplyPkt(const SC_LkSpeakBasePacket &request, const sc_syncPages::SignatureMap &entries,
                                 quint8 panelFilter);

    const QVector<PanelGroup> &panels() const { return m_panels; }

    void handlePacketData() override;
    void serialise() override;

private:
    QVector<PanelGroup> m_panels;
};

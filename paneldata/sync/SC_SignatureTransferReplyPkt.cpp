#include "paneldata/sync/SC_SignatureTransferReplyPkt.h"

#include "paneldata/sync/SC_SignatureTransferReqPkt.h"

#include <QDebug>

namespace {

// Appends a count byte and at most 255 of the items.
template <typename Items, typename Write>
void appendCounted(SC_PacketBuffer &bytes, const Items &items, const char *what, Write write)
{
    const int count = std::min<int>(items.size(), SC_SignatureTransferReplyPkt::MaximumCount);
    if (count < items.size()) {
        qWarning().nospace() << "SC_SignatureTransferReplyPkt::serialise"
                             << " " << items.size() << " " << what << "; the first " << count << " sent";
    }
    bytes.appendByte(quint8(count));
    for (int i = 0; i < count; ++i)
        write(items.at(i));
}

} // namespace

SC_SignatureTransferReplyPkt::SC_SignatureTransferReplyPkt(const SC_LkSpeakBasePacket &request,
                                                           const sc_syncPages::SignatureMap &entries,
                                                           quint8 panelFilter)
    : SC_TESKSupportPacket(request, SubCode)
{
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const quint8 panel = sc_syncPages::panelOf(it.key());
        if (panelFilter != SC_SignatureTransferReqPkt::AllPanels && panel != panelFilter)
            continue;
        if (m_panels.isEmpty() || m_panels.last().panel != panel)
            m_panels.append(PanelGroup{panel, {}});
        QVector<PageGroup> &pages = m_panels.last().pages;
        const quint8 page = sc_syncPages::pageOf(it.key());
        if (pages.isEmpty() || pages.last().page != page)
            pages.append(PageGroup{page, {}});
        pages.last().signatures.append(it->signature);
    }
}

void SC_SignatureTransferReplyPkt::handlePacketData()
{
}

void SC_SignatureTransferReplyPkt::serialise()
{
    SC_PacketBuffer &bytes = *buffer();
    appendCounted(bytes, m_panels, "panels", [&bytes](const PanelGroup &panel) {
        bytes.appendByte(panel.panel);
        appendCounted(bytes, panel.pages, "pages", [&bytes](const PageGroup &page) {
            bytes.appendByte(page.page);
            appendCounted(bytes, page.signatures, "parts",
                          [&bytes](quint32 signature) { bytes.appendUInt32(signature); });
        });
    });
    bytes.writeLength();
}

#pragma once

#include "link/SC_PacketBuffer.h"
#include "link/SC_PacketHandler.h"

#include <QDebug>

class SyncClient;

// The handler of a page whose packet does all the work: the packet parses
// the part over the received bytes and, when it accepts it, acts on it.
// One object per page kind, made on first use.
template <typename Packet, int PageId> class SC_PageHandlerFor final : public SC_PacketHandler
{
public:
    static SC_PacketHandler *handler()
    {
        static SC_PageHandlerFor s_handler;
        return &s_handler;
    }

    bool handlePage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer) override
    {
        Packet packet(buffer, client);
        if (!packet.isAccepted()) {
            qWarning().nospace() << "SC_PacketHandler::handlePage"
                                 << " Page " << packet.pageId() << " panel " << packet.panelNumber() << " part "
                                 << packet.partNumber() << (buffer->isBad() ? " truncated" : " refused")
                                 << "; not stored";
            return false;
        }
        if (!packet.isRoutedHere()) {
            qDebug().nospace() << "SC_PacketHandler::handlePage"
                               << " Page " << packet.pageId() << " panel " << packet.panelNumber() << " part "
                               << packet.partNumber() << " is not for this engine; acknowledged, nothing stored";
            return true;
        }
        if (packet.unreadBytes() > 0) {
            qWarning().nospace() << "SC_PacketHandler::handlePage"
                                 << " Page " << packet.pageId() << " panel " << packet.panelNumber() << " part "
                                 << packet.partNumber() << ": " << packet.unreadBytes()
                                 << " bytes after its fields ignored";
        }
        packet.handlePacketData();
        return true;
    }

private:
    SC_PageHandlerFor()
        : SC_PacketHandler(PageId)
    {
    }
};

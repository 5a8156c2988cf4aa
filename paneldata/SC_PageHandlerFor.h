#pragma once

#include "link/SC_PacketBuffer.h"
#include "paneldata/SC_PacketHandler.h"

#include <QDebug>

class SyncClient;

// The handler of a page whose packet does all the work: the packet parses
// the part over the received bytes and, when it accepts it, acts on it.
template <typename Packet>
class SC_PageHandlerFor : public SC_PacketHandler
{
public:
    bool handlePage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer) override
    {
        Packet packet(buffer, client);
        if (!packet.isAccepted()) {
            qWarning().nospace() << "SC_PacketHandler::handlePage" << " Page " << packet.pageId()
                                 << " panel " << packet.panelNumber() << " part " << packet.partNumber()
                                 << (buffer->isBad() ? " truncated" : " refused") << "; not stored";
            return false;
        }
        if (packet.unreadBytes() > 0) {
            qWarning().nospace() << "SC_PacketHandler::handlePage" << " Page " << packet.pageId() << " panel "
                                 << packet.panelNumber() << " part " << packet.partNumber() << ": "
                                 << packet.unreadBytes() << " bytes after its fields ignored";
        }
        packet.handlePacketData();
        return true;
    }

protected:
    using SC_PacketHandler::SC_PacketHandler;
};

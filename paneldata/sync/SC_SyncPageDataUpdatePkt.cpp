#include "paneldata/sync/SC_SyncPageDataUpdatePkt.h"

#include "link/SC_PacketHandler.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "link/sc_syncPages.h"

SC_SyncPageDataUpdatePkt::SC_SyncPageDataUpdatePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
}

void SC_SyncPageDataUpdatePkt::handlePacketData()
{
    SC_PacketHandler *handler = client()->packetHandler(pageId());
    if (!handler) {
        if (acknowledgeRequest())
            client()->sendAcknowledgement(*this, SC_AcknowledgementPkt::NoHandler);
        return;
    }
    const bool stored = handler->dispatchPage(client(), buffer());
    if (stored) {
        client()->syncPages().storeSignature(pageId(), panelNumber(), partNumber(), {true, true, pageSignature()});
        client()->emitBucketCommand({BucketCmd::PageUpdated, pageId(), QString(), QString()});
    }
    if (acknowledgeRequest()) {
        client()->sendAcknowledgement(*this,
                                      stored ? SC_AcknowledgementPkt::Accepted : SC_AcknowledgementPkt::Rejected);
    }
}

void SC_SyncPageDataUpdatePkt::serialise()
{
    buffer()->writeLength();
}

#include "paneldata/sync/SC_SyncPageDataUpdatePkt.h"

#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "paneldata/SC_PacketHandler.h"
#include "paneldata/sc_syncPages.h"

SC_SyncPageDataUpdatePkt::SC_SyncPageDataUpdatePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                   SyncClient *client)
    : sc_SyncPagePacket(received)
    , m_client(client)
{
}

void SC_SyncPageDataUpdatePkt::handlePacketData()
{
    SC_PacketHandler *handler = m_client->packetHandler(pageId());
    if (!handler) {
        if (acknowledgeRequest())
            m_client->sendAcknowledgement(*this, SC_AcknowledgementPkt::NoHandler);
        return;
    }
    const bool stored = handler->dispatchPage(m_client, buffer());
    if (stored) {
        m_client->syncPages().storeSignature(pageId(), panelNumber(), partNumber(),
                                             {true, true, pageSignature()});
        m_client->emitBucketCommand({BucketCmd::PageUpdated, pageId(), QString(), QString()});
    }
    if (acknowledgeRequest()) {
        m_client->sendAcknowledgement(*this, stored ? SC_AcknowledgementPkt::Accepted
                                                    : SC_AcknowledgementPkt::Rejected);
    }
}

void SC_SyncPageDataUpdatePkt::serialise()
{
    buffer()->writeLength();
}

#include "paneldata/sync/SC_SyncCompletePkt.h"

#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "paneldata/PointTextCache.h"

SC_SyncCompletePkt::SC_SyncCompletePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_client(client)
{
    for (quint8 byte : buffer()->readByteVector(buffer()->readUInt8()))
        m_key.append(char(byte));
}

// A key of one byte or none leaves the previous one in place. Every page has
// arrived: the last panel's point names go to their file.
void SC_SyncCompletePkt::handlePacketData()
{
    if (PointTextCache *texts = PointTextCache::existingInstance())
        texts->flush();
    if (m_key.size() > 1)
        m_client->setConnectionKey(quint8(m_key.size()), m_key);
    if (acknowledgeRequest())
        m_client->sendAcknowledgement(*this, SC_AcknowledgementPkt::Accepted);
    m_client->sendSyncCompletePulse();
}

void SC_SyncCompletePkt::serialise()
{
    buffer()->writeLength();
}

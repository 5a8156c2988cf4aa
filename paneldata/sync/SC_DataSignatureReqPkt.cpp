#include "paneldata/sync/SC_DataSignatureReqPkt.h"

#include "link/SyncClient.h"
#include "paneldata/sync/SC_DataSignatureReplyPacket.h"

SC_DataSignatureReqPkt::SC_DataSignatureReqPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                               SyncClient *client)
    : sc_SyncPagePacket(received)
    , m_client(client)
{
}

void SC_DataSignatureReqPkt::handlePacketData()
{
    sc_syncPages::SignatureEntry entry;
    const bool found = m_client->syncPages().signature(pageId(), panelNumber(), partNumber(), entry);
    SC_DataSignatureReplyPacket reply(*this, found && entry.current, entry.signature);
    reply.serialise();
    m_client->sendRawPacket(SyncClient::LkSpeakChannel, reply.buffer()->getByteArray());
}

void SC_DataSignatureReqPkt::serialise()
{
    buffer()->writeLength();
}

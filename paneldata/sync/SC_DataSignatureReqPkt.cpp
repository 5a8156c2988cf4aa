#include "paneldata/sync/SC_DataSignatureReqPkt.h"

#include "link/SyncClient.h"
#include "paneldata/sync/SC_DataSignatureReplyPacket.h"

SC_DataSignatureReqPkt::SC_DataSignatureReqPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
}

void SC_DataSignatureReqPkt::handlePacketData()
{
    sc_syncPages::SignatureEntry entry;
    const bool found = client()->syncPages().signature(pageId(), panelNumber(), partNumber(), entry);
    SC_DataSignatureReplyPacket reply(*this, found && entry.current, entry.signature);
    reply.serialise();
    client()->sendRawPacket(SyncClient::LkSpeakChannel, reply.buffer()->getByteArray());
}

void SC_DataSignatureReqPkt::serialise()
{
    buffer()->writeLength();
}

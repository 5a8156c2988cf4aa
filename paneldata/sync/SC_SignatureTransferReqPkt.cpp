#include "paneldata/sync/SC_SignatureTransferReqPkt.h"

#include "link/SyncClient.h"
#include "paneldata/sync/SC_SignatureTransferReplyPkt.h"

SC_SignatureTransferReqPkt::SC_SignatureTransferReqPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                       SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_panelFilter(buffer()->readUInt8())
    , m_client(client)
{
}

void SC_SignatureTransferReqPkt::handlePacketData()
{
    SC_SignatureTransferReplyPkt reply(*this, m_client->syncPages().entries(), m_panelFilter);
    reply.serialise();
    m_client->sendRawPacket(SyncClient::LkSpeakChannel, reply.buffer()->getByteArray());
}

void SC_SignatureTransferReqPkt::serialise()
{
    buffer()->writeLength();
}

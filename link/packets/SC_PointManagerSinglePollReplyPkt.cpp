#include "link/packets/SC_PointManagerSinglePollReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

SC_PointManagerSinglePollReplyPkt::SC_PointManagerSinglePollReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                     SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_status(buffer()->readUInt8())
    , m_loop(buffer()->readUInt8())
    , m_client(client)
{
}

void SC_PointManagerSinglePollReplyPkt::handlePacketData()
{
    emit m_client->getPointManagerServices()->singlePollReplyReceived(
        subCode() == StartReplySubCode ? StartReply : StopReply,
        LkSpeak::PointManagerServices::SinglePollReplyCommandStatus(m_status), sourceNode(),
        TC::channelAddress_t(m_loop));
}

void SC_PointManagerSinglePollReplyPkt::serialise()
{
}

#include "link/packets/SC_ChangeAddrReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

SC_ChangeAddrReplyPkt::SC_ChangeAddrReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_result(buffer()->readUInt8())
    , m_client(client)
{
    buffer()->readByteVector(3);
}

void SC_ChangeAddrReplyPkt::handlePacketData()
{
    emit m_client->getPointManagerServices()->changeAddressRequestComplete(m_result == 0);
}

void SC_ChangeAddrReplyPkt::serialise()
{
}

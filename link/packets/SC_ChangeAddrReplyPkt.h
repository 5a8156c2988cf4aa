#pragma once

#include "link/SC_PointManagerServicesPkt.h"

class SyncClient;

// The result of an address change (sub-code 13). Payload: 13, result (0
// done), three further bytes.
class SC_ChangeAddrReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int SubCode = 13;
    static constexpr int PayloadLength = 5;

    SC_ChangeAddrReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_result;
    SyncClient *m_client;
};

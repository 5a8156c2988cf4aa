#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// The controller asks for the signature the engine holds for one page part
// (sub-code 7, the page header without a body; its signature is not used).
class SC_DataSignatureReqPkt final : public sc_SyncPagePacket
{
public:
    static constexpr int SubCode = 7;

    SC_DataSignatureReqPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
};

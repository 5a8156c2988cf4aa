#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// A sync page part (sub-code 10): handed to the page's handler; a part the
// handler takes has its signature stored and its bucket marked updated.
class SC_SyncPageDataUpdatePkt final : public sc_SyncPagePacket
{
public:
    static constexpr int SubCode = 10;

    SC_SyncPageDataUpdatePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
};

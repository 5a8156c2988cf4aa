#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 37, the service tool status, one pair of values for the whole
// system. Body: service link status | service tool status.
class SC_ServiceToolStatusPagePkt final : public sc_SyncPagePacket
{
public:
    SC_ServiceToolStatusPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_linkStatus;
    quint8 m_toolStatus;
};

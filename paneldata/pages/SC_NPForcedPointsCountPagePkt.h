#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 139: u16 forced inputs | u16 forced outputs of the panel.
class SC_NPForcedPointsCountPagePkt final : public sc_SyncPagePacket
{
public:
    SC_NPForcedPointsCountPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint16 m_forcedInputs = 0;
    quint16 m_forcedOutputs = 0;
};

#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 17, the panel network. Body: node count N | N state bytes, node 0
// first; the states make the list of configured panels.
class SC_LkNetworkConfigurationPkt final : public sc_SyncPagePacket
{
public:
    SC_LkNetworkConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QVector<quint8> &nodeStates() const { return m_states; }

    void handlePacketData() override;
    void serialise() override;

private:
    QVector<quint8> m_states;
};

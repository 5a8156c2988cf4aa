#include "paneldata/pages/SC_LkNetworkConfigurationPkt.h"

#include "paneldata/PanelsFromLkNetConfiguration.h"

SC_LkNetworkConfigurationPkt::SC_LkNetworkConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                           SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_states = bytes.readByteVector(bytes.readUInt8());
}

void SC_LkNetworkConfigurationPkt::handlePacketData()
{
    PanelsFromLkNetConfiguration::instance()->setNodeStates(m_states);
}

void SC_LkNetworkConfigurationPkt::serialise()
{
    buffer()->writeLength();
}

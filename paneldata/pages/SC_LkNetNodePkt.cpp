#include "paneldata/pages/SC_LkNetNodePkt.h"

#include "core/BucketKeys.h"

namespace {

constexpr int NodesEnd = 99;

} // namespace

SC_LkNetNodePkt::SC_LkNetNodePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.readUInt16();
    m_firstNode = bytes.readUInt8();
    m_count = bytes.readUInt8();
    m_nodes = bytes.readBitArray(m_firstNode, m_count);
}

bool SC_LkNetNodePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_firstNode + m_count <= NodesEnd;
}

bool SC_LkNetNodePkt::isRoutedHere() const
{
    return m_firstNode != 0;
}

// Only the nodes the bit field carries: the node after it is not named.
void SC_LkNetNodePkt::handlePacketData()
{
    for (int node = m_firstNode; node < m_firstNode + m_count; ++node) {
        setBucketKey(QString::number(node), QLatin1String(m_nodes.testBit(node) ? BucketKeys::one : BucketKeys::zero));
    }
}

void SC_LkNetNodePkt::serialise()
{
    buffer()->writeLength();
}

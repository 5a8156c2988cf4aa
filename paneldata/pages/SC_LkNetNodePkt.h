#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Page 39, which network nodes are present. Body: 2 bytes not used | first
// node F (from 1) | node count C | the bits of nodes F to F + C - 1, which
// stay below 99.
class SC_LkNetNodePkt final : public sc_SyncPagePacket
{
public:
    SC_LkNetNodePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_firstNode = 0;
    quint8 m_count = 0;
    QBitArray m_nodes;
};

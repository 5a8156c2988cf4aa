#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Page 31, the communication nodes of a panel, in one part. Body: 16-bit
// entry count N (at most 4096) | N entries: channel kind k | first node s
// (the two a kind and a numerical channel in header layout 0) | bit count
// C | the bits of nodes s to s + C - 1. An entry of kind 255, or one that
// reaches past node 253, ends the page.
class SC_CommsNodeConfigurationPkt final : public sc_SyncPagePacket
{
public:
    SC_CommsNodeConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    struct Entry
    {
        quint8 kind;
        quint8 firstNode;
        quint8 count;
        QBitArray nodes;
    };

    quint16 m_count;
    QVector<Entry> m_entries;
};

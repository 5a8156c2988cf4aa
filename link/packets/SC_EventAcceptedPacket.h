#pragma once

#include "link/SC_LogManagerPacket.h"

#include <QVector>

class SyncClient;

// The controller reports events accepted (log manager, sub-code 1).
// Payload: 1, reference (u16, echoed in the acknowledgement), count n, then
// n entries of node, channel, channel address, sequence number (u16) and
// event code (u16). In header layout 0 the channel travels in its
// numerical form.
class SC_EventAcceptedPacket final : public SC_LogManagerPacket
{
public:
    static constexpr int SubCode = 1;
    static constexpr int MinimumPayload = 4;

    struct Entry
    {
        quint8 node = 0;
        quint8 channel = 0;
        quint8 channelAddress = 0;
        quint16 seqNo = 0;
        quint16 eventCode = 0;
    };

    SC_EventAcceptedPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint16 reference() const { return m_reference; }
    const QVector<Entry> &entries() const { return m_entries; }

    // Marks each event accepted in the event log, acknowledges the packet
    // and tells the event screens.
    void handlePacketData() override;

private:
    quint16 m_reference = 0;
    QVector<Entry> m_entries;
    SyncClient *m_client;
};

#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Page 30, a panel's IR service mode. Body: mode M (0 to 2) | 16-bit loop
// bits P (bit i for loop i + 1, loops 1 to 16) | 16-bit value V |
// optionally first loop S | loop count n | the bits of loops S to
// S + n - 1, which then replace P.
class SC_IRModeSummaryPkt final : public sc_SyncPagePacket
{
public:
    SC_IRModeSummaryPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QBitArray &loops() const { return m_loops; }

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_mode;
    quint16 m_loopWord;
    quint16 m_value;
    QBitArray m_loops;
};

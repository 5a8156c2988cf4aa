#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>
#include <QPair>

class SyncClient;

// Page 27, a panel's commissioning state. Body (16-bit fields big-endian):
//   0 legacy loop bits: bit i for loop i + 1, loops 1 to 16
//   2 commissioning flags | 4 output re-enable time | 6 poll count n
//   7 n polls: loop | point
//   then optionally: first bit | bit count | the shut-down loops as a bit
//   field, which replaces the legacy loop bits.
class SC_CommissioningPagePkt final : public sc_SyncPagePacket
{
public:
    static constexpr int LoopPositions = 256;

    SC_CommissioningPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    void writeFlags() const;
    void setKey(const QString &key, const QString &value) const;

    quint16 m_legacyLoopBits;
    quint16 m_flags;
    quint16 m_reEnableTime;
    QVector<QPair<quint8, quint8>> m_polls;
    QBitArray m_loops;
};

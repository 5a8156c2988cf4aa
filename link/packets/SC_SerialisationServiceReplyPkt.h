#pragma once

#include "link/PointManagerServices.h"
#include "link/SC_PointManagerServicesPkt.h"

#include <QBitArray>
#include <QVector>

#include <array>

class SyncClient;

// An answer of the serialisation service (sub-code 35). Payload: 35, a byte
// whose low 5 bits are the reply type, then by type:
//   0 enquiry   service status; five times a skipped byte, a count and that
//               many loop bits
//   1 initiate  status (bits 0-1 initiate, 4-7 from-file), panel time (u32),
//               a skipped byte, a count and that many loop bits
//   2 status    count n, then n times loop and status (bits 0-3) with
//               progress (bits 5-7)
//   3 summary   a skipped byte, length L, loop, status with progress, panel
//               time (u32), eight counts; from L 24 on a file schema count,
//               a u32, a file database count, a u32
//   4 detailed  information type (bits 0-3) and detail flag (bit 7), loop,
//               panel time (u32), bits set (u16), a skipped u16, a bit
//               count (u16, at most 255 used) and the point bits
//   6 loop set  from-file status, first bit, count and the loop bits
// Any other type carries nothing this engine reads.
class SC_SerialisationServiceReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int SubCode = 35;
    static constexpr int MinimumPayload = 2;

    SC_SerialisationServiceReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    int replyType() const { return m_replyType; }

    void handlePacketData() override;
    void serialise() override;

private:
    void readEnquiry();
    void readInitiate();
    void readStatus();
    void readSummary();
    void readDetailed();
    void readLoopSet();
    // A count byte's worth of bits from bit 0; none when the count is 0.
    QBitArray readCountedBits(int count);

    int m_replyType;
    quint8 m_statusByte = 0;
    quint32 m_time = 0;
    quint16 m_bitsSet = 0;
    quint8 m_loop = 0;
    bool m_detailed = false;
    std::array<quint8, 10> m_counts{};
    QVector<LkSpeak::PointManagerServices::SerialisationServiceStatus> m_statuses;
    std::array<QBitArray, 5> m_enquiryLoops;
    QBitArray m_bits;
    SyncClient *m_client;
};

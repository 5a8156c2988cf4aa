#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

#include <array>

// A network node's status and statistics; the node is the packet's source.
// Function code 6 answers the legacy request, 10 the current one. Payload:
//   status, then only when more follows: one byte not used, and
//   legacy:  the counter block
//   current: report flags | the counter block when bit 0 is set | an
//            extended fault map byte when bit 2 is set
// Counter block, 60 bytes: c1, c2 (u8), c3 (40 bits), c4-c6 (u32), c7 (40
// bits), c8-c10 (u32), c11, c12 (40 bits), c13, c14 (u32), c15-c17 (u16).
// A 40-bit counter is a u32 followed by a byte: value * 256 + byte.
class SC_NetworkFaultResponsePkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int LegacyFunctionCode = LkFunctionCode::LegacyNetworkFaultResponse;
    static constexpr int FunctionCode = LkFunctionCode::NetworkFaultResponse;
    static constexpr int CounterCount = 17;

    SC_NetworkFaultResponsePkt(const QSharedPointer<SC_PacketBuffer> &received, bool legacy);

    void handlePacketData() override;
    void serialise() override;

private:
    void readCounters();

    quint8 m_status;
    quint8 m_reportFlags = 0;
    bool m_countersPresent = false;
    bool m_extraPresent = false;
    quint8 m_extra = 0;
    std::array<quint64, CounterCount> m_counters{};
};

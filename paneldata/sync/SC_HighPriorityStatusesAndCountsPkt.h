#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <array>

class SyncClient;

// The panel's summary statuses and running countdowns (sub-code 5).
// Payload: 5 | status word (u16) | status flags | count entries n |
//   n x { index, value (u16) } | current network master, only when flag
//   bit 7 is set
// Count 1 is the standby countdown, 5 the standby countdown of the second
// kind, 2 and 3 the investigate delays of contexts 2 and 1; entries for
// other indexes are read and dropped, a later entry for an index wins.
class SC_HighPriorityStatusesAndCountsPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 5;
    static constexpr int Counts = 6;
    using CountArray = std::array<quint16, Counts>;

    SC_HighPriorityStatusesAndCountsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint16 statusWord() const { return m_statusWord; }
    quint8 statusFlags() const { return m_statusFlags; }
    quint8 networkMaster() const { return m_networkMaster; }
    const CountArray &counts() const { return m_counts; }

    void handlePacketData() override;
    void serialise() override;

    static void applyCounts(CountArray counts);

private:
    quint16 m_statusWord;
    quint8 m_statusFlags;
    CountArray m_counts{};
    quint8 m_networkMaster = 0;
    SyncClient *m_client;
};

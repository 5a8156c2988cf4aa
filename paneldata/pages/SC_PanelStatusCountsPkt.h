#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <array>

class SyncClient;

// Page 5, one panel's status counts. Body (16-bit counts, big-endian):
//   0 unused | 1 disablements | 3 fire alarms | 5 faults | 7 disabled sounder
//   outputs | 9 disabled other outputs | 11 fully disabled fire zones |
//   13 partly disabled fire zones | 15 alarm warnings | 17 active controls |
//   19 third counter | 21 loop driver monitors | 23 devices nearly dirty |
//   25 dirty devices | 27 devices not ready | 29 points on test |
//   31 CO devices nearly at end of life | 33 CO devices at end of life |
//   35 panel entered alarm | 37 status bits (0 test equipment, 1 down
//   inhibit) | 38 battery status | 39-40 day flags, bit 1 day disablement
//   (optional) | 41 selected walk-test node (optional)
// Panels 0 to 99, and 254 for the system totals.
class SC_PanelStatusCountsPkt final : public sc_SyncPagePacket
{
public:
    static constexpr int Counts = 18;
    static constexpr quint8 NoWalkTestNode = 253;

    SC_PanelStatusCountsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint16 count(int index) const { return m_counts.at(size_t(index)); }
    quint8 statusBits() const { return m_statusBits; }
    quint8 batteryStatus() const { return m_batteryStatus; }
    quint16 dayFlags() const { return m_dayFlags; }
    quint8 walkTestNode() const { return m_walkTestNode; }

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    std::array<quint16, Counts> m_counts{};
    quint8 m_statusBits = 0;
    quint8 m_batteryStatus = 0;
    quint16 m_dayFlags = 0;
    quint8 m_walkTestNode = NoWalkTestNode;
};

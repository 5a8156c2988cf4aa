#pragma once

#include "paneldata/LoopDriverRecord.h"
#include "paneldata/OptionCardRecord.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QPair>
#include <QVector>

class SyncClient;

// Page 40: how a panel's loops are driven. Body, all bytes:
//   count A | A x (-, card address, -, pairing, driver type, loop number)
//   when bytes follow: count B | B x (-, -, card address, equipment index)
//   when bytes follow: length Z | count C | C x (loop number, value) |
//     Z - 5 further bytes when Z is above 5
// Each page replaces the panel's drivers, cards and loop values; 250 or more
// drivers or cards refuse it.
class SC_LoopDriverConfigurationPkt final : public sc_SyncPagePacket
{
public:
    static constexpr int MaximumEntries = 250;

    SC_LoopDriverConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    QVector<LoopDriverRecord> m_drivers;
    QVector<OptionCardRecord> m_optionCards;
    QVector<QPair<int, int>> m_loopValues;
    int m_driverCount = 0;
    int m_optionCardCount = 0;
};

#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QVector>

class SyncClient;

// Page 8: which points a panel has. Body:
//   u8 format V (1: records carry a logical point number) | u16 entry count
//   N (above 4096 refuses the page) | N channel entries:
//     u8 channel number (high nibble) and kind (low nibble) | u8 channel
//     address (header layout 0: a numerical channel) | u8 first point F |
//     u8 record count M | M records for points F, F + 1, ...:
//       device type (128: none) | - | function flags high byte | attribute
//       bits | function flags low byte | zone | logical point number (V 1)
// Part 0 replaces the panel's points. An invalid entry, or an entry whose
// last empty-or-faulty record was faulty, ends the part: what came before
// stays.
class SC_PointCoreConfigurationPagePkt final : public sc_SyncPagePacket
{
public:
    static constexpr int MaximumEntries = 4096;

    struct ChannelEntry
    {
        ChannelAddress key;
        quint8 firstPoint = 0;
        quint8 recordCount = 0;
        // Device type 128 marks an address without a point.
        QVector<PointAddressKey> records;
    };

    SC_PointCoreConfigurationPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    ChannelEntry readEntry(bool logicalNumbers);
    bool storeEntry(const ChannelEntry &entry) const;
    void recordSignature() const;

    quint8 m_format = 0;
    int m_entryCount = 0;
    QVector<ChannelEntry> m_entries;
};

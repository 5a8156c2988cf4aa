#pragma once

#include "paneldata/PanelRecord.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>

class SyncClient;

// Page 3: once per panel, the project the panel runs. Body (big-endian;
// a text is a length byte and the bytes):
//   3 bytes tool version (third 0 = none) | 3 bytes second version |
//   u16 project issue (kept minus 1) | u32 creation time | u32 download
//   time | u32 | u8 | u16 | u16 local core data value | u8 zone limit |
//   u16 loop word (loops 1-16) | texts: project name, -, template name,
//   panel name 1, panel name 2 | u16 investigation delay | u8 | u8 | u16 |
//   u8 language count L and L texts
// Optional sections follow while the length field says so, in order:
//   A: u8 first loop bit, u8 bit count, the loop bits | u8 printer-name
//      language count P | u8 printer count N | N x (u8 number, 3 bytes,
//      name, and a second name when P is 2)
//   B: u8 | u8 language count T | panel type name(s)
//   C: u8 network card address
//   D: u8 length and the panel identifier
//   E: u8 connected services
// A zone limit above 241 refuses the page.
class SC_PanelConfigurationDetailsPagePkt final : public sc_SyncPagePacket
{
public:
    static constexpr quint8 MaximumZoneLimit = 241;

    SC_PanelConfigurationDetailsPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    void readSections();
    QString readText(bool rightToLeft);

    PanelRecord m_record;
    QBitArray m_loopBits;
};

#pragma once

#include "paneldata/EquipmentRecord.h"
#include "paneldata/sc_SyncPagePacket.h"

#include <QVector>

class SyncClient;

// Page 4: a panel's equipment and its software versions. Body:
//   u8 count N | N x (two address bytes a, b - in header layout 0 a kind
//   nibble and a numerical channel - | u8 kind | u8 sub-kind | u8 version
//   count M | M x (u8 version kind, u8 major, u8 minor, u8 build, u32 build
//   time))
// Each page replaces the panel's equipment, whatever its part.
class SC_EquipmentSoftwareVersionsPagePkt final : public sc_SyncPagePacket
{
public:
    SC_EquipmentSoftwareVersionsPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    QVector<EquipmentRecord> m_equipment;
};

#pragma once

#include "paneldata/DeviceTypeAttributeRecord.h"
#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 36, the device type attributes, system-wide (panel 254), in one
// part. Body: 16-bit entry count N (at most 256) | first device type D | N
// entries for types D, D + 1, ... counted round through 255 to 0: first
// attribute | second attribute | value count V (at most 8; more ends the
// page) | V 16-bit values.
class SC_DeviceTypeAttributesPkt final : public sc_SyncPagePacket
{
public:
    SC_DeviceTypeAttributesPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint16 m_count;
    quint8 m_firstType;
    QVector<DeviceTypeAttributeRecord> m_records;
};

#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 38, the device uses table, system-wide. Body: 16-bit record count N
// | 16-bit first use id F | N records: kind | device type | text, for uses
// F to F + N - 1. Part 0 replaces the whole table.
class SC_DeviceUsesTablePkt final : public sc_SyncPagePacket
{
public:
    SC_DeviceUsesTablePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    struct Use
    {
        quint8 kind;
        quint8 deviceType;
        QString text;
    };

    quint16 m_firstUse;
    QVector<Use> m_uses;
};

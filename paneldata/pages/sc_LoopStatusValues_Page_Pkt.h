#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 148, one status record per loop of a panel. Body: record size S |
// record count N | N records: three bytes | a 32-bit value | S - 7 bytes
// not used.
class sc_LoopStatusValues_Page_Pkt final : public sc_SyncPagePacket
{
public:
    struct Record
    {
        quint8 value1;
        quint8 value2;
        quint8 value3;
        quint32 value4;
    };

    sc_LoopStatusValues_Page_Pkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    QVector<Record> m_records;
};

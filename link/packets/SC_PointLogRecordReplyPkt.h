#pragma once

#include "core/TCTypes.h"
#include "link/SC_PointManagerServicesPkt.h"

class SyncClient;

// One record of a point log (sub-code 28). Payload: 28, record number,
// records available, flag; with bit 0 of the flag the record follows: panel
// time (u32), loop, point, 13 bytes. The panel is the one the latest
// request asked.
class SC_PointLogRecordReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int SubCode = 28;
    static constexpr int MinimumPayload = 4;

    SC_PointLogRecordReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_record;
    quint8 m_total;
    quint8 m_flag;
    TC::sPointLogRecordDetails_t m_details;
    SyncClient *m_client;
};

#pragma once

#include "link/LkFunctionCode.h"
#include "link/PointValueDetails.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SimplePointInfo.h"

class SyncClient;

// The values of one point (function code 149). Payload:
//   0 reply status (bit 0: no point reported) | 1 status bits | 2 panel |
//   3-4 channel kind, channel address (numerical in layout 0) |
//   5 channel number | 6 point | 7 value 1 | 8 value 2 |
//   9 configured device type | 10 capability bits | 11-12 value 3 |
//   13-17 values 4-8 | 18 detected device type | 19-40 bytes 1-22 |
//   41-42 next-point cursor | 43-46 values 9, 10 (u16) | 47-48 values 11, 12
//   | 49-56 values 13, 14 (u32) | 57-62 bytes 23-28 | 63-66 device date
// then, only when the length field covers more than those 67 bytes, three
// analogue readings (decimals, u32 reading); then, each only while the
// length field covers more, the test date pair (u8, u32) and two serial
// numbers (u32).
class SC_PointInformationReplyPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PointInformationReply;
    static constexpr int FixedPayload = 67;

    SC_PointInformationReplyPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const SimplePointInfo &point() const { return m_point; }
    const PointValueDetails &values() const { return m_values; }
    quint8 replyStatus() const { return m_replyStatus; }

    void handlePacketData() override;
    void serialise() override;

private:
    void readFixedPart();
    void readOptionalParts();
    bool lengthCoversMore() const;

    quint8 m_replyStatus = 0;
    SimplePointInfo m_point;
    PointValueDetails m_values;
    SyncClient *m_client;
};

#pragma once

#include "SentPackets.h"
#include "link/PointValueDetails.h"
#include "link/SimplePointInfo.h"
#include "link/SyncClient.h"

// Point information replies as the link hands them on, and the requests
// for them that left, for the tests of the lists that show point values.
namespace PointValueReplies {

constexpr int InformationRequest = 148;
// The function code's byte in header layout 1.
constexpr int FunctionByte = 7;

inline void reply(const SimplePointInfo &point, const PointValueDetails &values = PointValueDetails())
{
    emit SyncClient::instance()->PointInformationValues(point, values, 0);
}

inline int requestsSent(const QSignalSpy &sent)
{
    int count = 0;
    for (const QByteArray &packet : lkSpeakSent(sent))
        count += packet.size() > FunctionByte && quint8(packet.at(FunctionByte)) == InformationRequest;
    return count;
}

// An input and output point, answered as normal and off.
inline PointValueDetails normalValues()
{
    PointValueDetails values;
    values.capabilityBits = 0x03;
    values.detectedDeviceType = 5;
    values.setByte(16, 5);
    values.setByte(21, 0);
    return values;
}

} // namespace PointValueReplies

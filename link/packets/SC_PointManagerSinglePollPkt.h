#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Starts (sub-code 3) or stops (5) polling one device. Payload: the
// sub-code, the loop, and for a start the point.
class SC_PointManagerSinglePollPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int StartSubCode = 3;
    static constexpr int StopSubCode = 5;

    SC_PointManagerSinglePollPkt(int subCode, quint8 panel, quint8 loop, quint8 point, bool acknowledgeRequest,
                                 int layoutKind);
};

#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Asks whether a real device answers at an address (sub-code 10).
// Payload: 10, loop, point.
class SC_RealDevPresentReqPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 10;

    SC_RealDevPresentReqPkt(quint8 panel, quint8 loop, quint8 point, int layoutKind);
};

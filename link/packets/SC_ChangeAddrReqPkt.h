#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Moves a device to another address on its loop (sub-code 12). Payload: 12,
// loop, current point, new point.
class SC_ChangeAddrReqPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 12;

    SC_ChangeAddrReqPkt(quint8 panel, quint8 loop, quint8 currentPoint, quint8 newPoint, int layoutKind);
};

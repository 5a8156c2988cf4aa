#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Abandons a panel's manual point update (sub-code 21). Payload: 21, 2, the
// update id (u16).
class SC_ManualAbortUpdatePkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 21;

    SC_ManualAbortUpdatePkt(quint8 panel, quint16 updateId, int layoutKind);
};

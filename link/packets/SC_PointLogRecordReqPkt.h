#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Asks for one record of a panel's point log (sub-code 27). Payload: 27,
// the record number.
class SC_PointLogRecordReqPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 27;

    SC_PointLogRecordReqPkt(quint8 panel, quint8 record, int layoutKind);
};

#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Commits a panel's manual point update (sub-code 21), acknowledgement
// asked. Payload: 21, 3, the number of records (u16), the update id (u16).
class SC_ManualCommitAndCompletePkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 21;

    SC_ManualCommitAndCompletePkt(quint8 panel, quint16 updateId, quint16 records, int layoutKind);
};

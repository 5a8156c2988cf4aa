#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// Switches one of a panel's test and service modes (sub-codes 1, 2, 14, 15,
// 18, 19, 20, 22). Payload: the sub-code, the value.
class SC_GenericPointManagerServicesPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    SC_GenericPointManagerServicesPkt(int subCode, quint8 panel, quint8 value, int layoutKind);
};

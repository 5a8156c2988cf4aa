#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_TESKSupportPacket.h"

// Logs the current user off at the controller (sub-code 3). Payload: 3.
class SC_LogOffCurrUserPkt final : public SC_RequestPacket<SC_TESKSupportPacket>
{
public:
    static constexpr int SubCode = 3;

    explicit SC_LogOffCurrUserPkt(int layoutKind);
};

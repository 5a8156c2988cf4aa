#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_TESKSupportPacket.h"

#include <QString>

// A log-on for the controller to check (sub-code 2). Payload:
//   0 2 | 1 user number | 2 0 | 3 passcode length n | 4.. passcode
// The passcode goes nowhere but into these bytes.
class SC_ValidateLogOnPkt final : public SC_RequestPacket<SC_TESKSupportPacket>
{
public:
    static constexpr int SubCode = 2;

    SC_ValidateLogOnPkt(quint8 user, const QString &passcode, int layoutKind);
};

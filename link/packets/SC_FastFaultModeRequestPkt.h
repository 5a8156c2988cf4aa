#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Sets a panel's fast fault mode (function code 191, sent to the panel).
// Payload: mode.
class SC_FastFaultModeRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::FastFaultModeRequest;

    SC_FastFaultModeRequestPkt(quint8 panel, quint8 mode, int layoutKind);
};

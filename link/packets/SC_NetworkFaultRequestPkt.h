#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks a network node for its status and statistics (function code 9,
// first address 28, acknowledged). Payload: the request kind.
class SC_NetworkFaultRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::NetworkFaultRequest;
    static constexpr quint16 FirstAddress = 28;

    SC_NetworkFaultRequestPkt(int layoutKind, quint8 node, quint8 kind);
};

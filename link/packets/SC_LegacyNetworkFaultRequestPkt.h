#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks a network node for its status and statistics, as controllers that
// speak header layout 0 expect (function code 5, acknowledged). No payload.
class SC_LegacyNetworkFaultRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::LegacyNetworkFaultRequest;

    SC_LegacyNetworkFaultRequestPkt(int layoutKind, quint8 node);
};

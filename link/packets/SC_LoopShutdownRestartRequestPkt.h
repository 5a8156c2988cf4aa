#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Shuts a loop down or restarts it (function code 179, sent to the panel,
// acknowledged). Payload: restart (0 shut down, 1 restart) | loop.
class SC_LoopShutdownRestartRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::LoopShutdownRestartRequest;

    SC_LoopShutdownRestartRequestPkt(quint8 panel, quint8 loop, quint8 restart, int layoutKind);
};

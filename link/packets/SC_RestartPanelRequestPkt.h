#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Restarts a panel, or every panel with 255 (function code 182, sent to the
// panel). Payload: 0.
class SC_RestartPanelRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::RestartPanelRequest;

    SC_RestartPanelRequestPkt(quint8 panel, int layoutKind);
};

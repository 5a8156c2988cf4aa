#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks a panel to report point statuses again (function code 135, sent to
// the panel). Payload: first | second | 1 | 255.
class SC_PointStatusUpdateRequestPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PointStatusUpdateRequest;

    SC_PointStatusUpdateRequestPkt(quint8 first, quint8 panel, quint8 second, int layoutKind);
};

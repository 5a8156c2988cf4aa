#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks a panel for the next point of a walk through a channel (function
// code 150, sent to the panel). Payload: the cursor of the previous reply
// (u16).
class SC_NextPointInformationPacket final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::NextPointInformation;

    SC_NextPointInformationPacket(quint8 panel, quint16 cursor, int layoutKind);
};

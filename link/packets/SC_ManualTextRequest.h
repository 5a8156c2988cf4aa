#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks for a point's or a zone's text in one language (function code 116,
// to the local controller, acknowledged). 9 payload bytes:
//   point text: panel | 1 | channel kind, address (numerical in layout 0) |
//               channel number | point | 0 | 0 | language
//   zone text:  panel | 0 | 0 0 | 0 | 0 | 1 | zone | language
// The language byte is 0 for the first language, 1 for any other.
class SC_ManualTextRequest final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::ManualTextRequest;

    SC_ManualTextRequest(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point,
                         int language, int layoutKind);
    SC_ManualTextRequest(quint8 panel, quint8 zone, int language, int layoutKind);
};

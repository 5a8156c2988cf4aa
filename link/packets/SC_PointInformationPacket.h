#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

// Asks a panel for the values of a point, or of the first point of a
// channel (function code 148, sent to the panel). 48 payload bytes:
//   0 panel | 1-2 channel kind, channel address (numerical in layout 0) |
//   3 channel number | 4 point (255: the whole channel) | 5-7 FD FE 00 |
//   8-9 1 (u16) | 10-13 3 0 0 3 | 14-43 thirty FF | 44 01 | 45 7F |
//   46 193 whole channel, 192 one point | 47 28 whole channel, 10 one point
class SC_PointInformationPacket final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PointInformation;
    static constexpr quint8 WholeChannel = 255;

    // The first point of the channel.
    SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                              int layoutKind);
    SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                              quint8 point, int layoutKind);

private:
    SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                              quint8 point, bool wholeChannel, int layoutKind);
};

#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

// A loop's infrared link mode (sub-code 16). Payload: 16, mode (0 clear,
// 1 set, 2), loop (255 every loop), 255.
class SC_PointManagerIRLinkModePkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 16;

    SC_PointManagerIRLinkModePkt(quint8 panel, quint8 mode, quint8 loop, int layoutKind);
};

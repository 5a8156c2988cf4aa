#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_SystemManagerSupportPacket.h"

// Asks a panel for the state of its connected services (sub-code 28,
// acknowledged). Payload: 28 | request (1 status poll, 2 to 5 actions).
class SC_RequestConnectedServicesPkt final : public SC_RequestPacket<SC_SystemManagerSupportPacket>
{
public:
    static constexpr int SubCode = 28;

    SC_RequestConnectedServicesPkt(quint8 panel, quint8 request, int layoutKind);
};

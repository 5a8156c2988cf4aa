#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_SystemManagerSupportPacket.h"

// Asks a panel for diagnostics (sub-code 26, acknowledged). Payload:
//   front-panel bus statistics: 26 | 1 | 1 | node | reset (1 zeroes them)
//   flash information:          26 | 2
class SC_RequestDiagnosticsPkt final : public SC_RequestPacket<SC_SystemManagerSupportPacket>
{
public:
    static constexpr int SubCode = 26;

    enum Request : quint8 { RbusCommsStats = 1, FlashInfo = 2 };

    // Node and reset are carried by the bus statistics request only.
    SC_RequestDiagnosticsPkt(Request request, quint8 panel, quint8 node, bool reset, int layoutKind);
};

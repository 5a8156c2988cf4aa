#pragma once

#include "link/SC_GUICommandPacket.h"
#include "link/SC_RequestPacket.h"

// Asks for a snapshot of the loop point counters (GUI command 6), answered
// by sync page 29. Payload after 100, 6: first | second.
class SC_LoopPointCountersSnapshotPkt final : public SC_RequestPacket<SC_GUICommandPacket>
{
public:
    SC_LoopPointCountersSnapshotPkt(quint8 first, quint8 second, int layoutKind);
};

#pragma once

#include "link/SC_GUICommandPacket.h"
#include "link/SC_RequestPacket.h"

// Stops a walk test (GUI command 5). Payload after 100, 5: first | second;
// every caller passes first 0.
class SC_StopWalktestPkt final : public SC_RequestPacket<SC_GUICommandPacket>
{
public:
    SC_StopWalktestPkt(quint8 first, quint8 second, int layoutKind);
};

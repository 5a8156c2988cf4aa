#pragma once

#include "link/SC_GUICommandPacket.h"
#include "link/SC_RequestPacket.h"

// A service tool command (GUI command 7). Payload after 100, 7: command,
// and from command 2 on: argument | language slot.
class SC_ServiceToolCommandPkt final : public SC_RequestPacket<SC_GUICommandPacket>
{
public:
    SC_ServiceToolCommandPkt(quint8 command, quint8 argument, quint8 languageSlot, int layoutKind,
                             bool acknowledgeRequest);
};

#pragma once

#include "link/SC_GUICommandPacket.h"
#include "link/SC_RequestPacket.h"

// Sets the panel's clock (GUI command 1). Payload after 100, 1: panel time,
// seconds since 1992-01-01 00:00:00 (u32).
class SC_SetTimeDatePacket final : public SC_RequestPacket<SC_GUICommandPacket>
{
public:
    SC_SetTimeDatePacket(quint32 panelTime, int layoutKind);
};

#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_SubCodePacket.h"

// The system-manager support packets: panel update, versions, diagnostics
// and connected services.
class SC_SystemManagerSupportPacket : public SC_SubCodePacket<LkFunctionCode::SystemManagerSupport>
{
protected:
    using SC_SubCodePacket::SC_SubCodePacket;
};

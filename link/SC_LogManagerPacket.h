#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_SubCodePacket.h"

// The packets of the controller's log-manager service (function code 246),
// received only; the payload begins with a sub-code.
class SC_LogManagerPacket : public SC_SubCodePacket<LkFunctionCode::LogManagerService>
{
public:
    void serialise() override { }

protected:
    using SC_SubCodePacket::SC_SubCodePacket;
};

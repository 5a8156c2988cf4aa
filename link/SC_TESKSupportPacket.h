#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_SubCodePacket.h"

// The support packets: sync-page control, supervision, acknowledgements and
// GUI commands.
class SC_TESKSupportPacket : public SC_SubCodePacket<LkFunctionCode::Support>
{
protected:
    using SC_SubCodePacket::SC_SubCodePacket;
};

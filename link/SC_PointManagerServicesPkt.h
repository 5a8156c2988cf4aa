#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_SubCodePacket.h"

// The packets of the controller's point-manager service (function code
// 183): test and service modes, polling, calibration, addressing, point
// logs, serialisation and the manual point update. The payload begins
// with a sub-code; requests go to second service 50, addressed to a panel.
class SC_PointManagerServicesPkt : public SC_SubCodePacket<LkFunctionCode::PointManagerService>
{
protected:
    using SC_SubCodePacket::SC_SubCodePacket;
};

#pragma once

#include "link/SC_PointListCommand.h"

class SC_PointsWildCard;

// Starts a walk test over a wildcard scope (GUI command 5). Payload after
// 100, 5: mode | 0 | 1 | the wildcard block.
class SC_StartWalktestPkt final : public SC_PointListCommand
{
public:
    SC_StartWalktestPkt(quint8 mode, const SC_PointsWildCard &scope, int layoutKind);
};

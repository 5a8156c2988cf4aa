#pragma once

#include "link/SC_PointListCommand.h"

class SC_PointsIndividual;

// Forces points (GUI command 2) or applies a force action of the events
// summary (GUI command 3). Payload after 100, command: action | 1 | the
// individual list block. Actions: 0 remove the force, 1 force on, 2 force
// off, 3 and 4 pulse with the first or second pattern.
class SC_ForcePointPkt final : public SC_PointListCommand
{
public:
    SC_ForcePointPkt(int command, quint8 action, const SC_PointsIndividual &points, int start, int layoutKind);
};

#pragma once

#include "link/SC_PointListCommand.h"

class SC_PointsIndividual;

// A basic command for points (GUI command 8). Payload after 100, 8:
// command | 1 | the individual list block.
class SC_BasicPointCmdPkt final : public SC_PointListCommand
{
public:
    SC_BasicPointCmdPkt(const SC_PointsIndividual &points, quint8 command, int start, int layoutKind,
                        bool acknowledgeRequest);
};

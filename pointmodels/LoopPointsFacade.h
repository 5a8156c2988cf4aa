#pragma once

#include "pointmodels/SimpleFacade.h"

class SC_PointsIndividual;

// Appends the address of every point its chain accepts to a command's point
// list, which stays the caller's.
class LoopPointsFacade final : public SimpleFacade
{
public:
    LoopPointsFacade(TC::panel_t panel, SC_PointsIndividual *target);

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

private:
    SC_PointsIndividual *m_target;
};

#pragma once

#include "pointmodels/SimpleFacade.h"

// Counts the points its chain accepts into a counter of the caller's, adding
// one per point; the caller starts it at 0.
class CountFacade final : public SimpleFacade
{
public:
    CountFacade(TC::panel_t panel, int *counter);

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

private:
    int *m_counter;
};

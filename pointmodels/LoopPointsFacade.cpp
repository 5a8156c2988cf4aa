#include "pointmodels/LoopPointsFacade.h"

#include "link/SC_PointsIndividual.h"

LoopPointsFacade::LoopPointsFacade(TC::panel_t panel, SC_PointsIndividual *target)
    : SimpleFacade(panel)
    , m_target(target)
{
}

void LoopPointsFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (m_target && chainAccepts(panel, channel, record))
        m_target->addPoint(channel->kind(), channel->address(), channel->number(), record->pointNumber);
}

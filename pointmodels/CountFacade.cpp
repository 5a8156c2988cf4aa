#include "pointmodels/CountFacade.h"

CountFacade::CountFacade(TC::panel_t panel, int *counter)
    : SimpleFacade(panel)
    , m_counter(counter)
{
}

void CountFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (m_counter && chainAccepts(panel, channel, record))
        ++*m_counter;
}

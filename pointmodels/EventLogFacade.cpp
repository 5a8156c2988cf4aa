#include "pointmodels/EventLogFacade.h"

quint32 EventLogFacade::packedKey(TC::panel_t panel, const ChannelAddress &channel, quint8 point)
{
    return quint32(panel) | quint32(channel.byte0()) << 8 | quint32(channel.byte1()) << 16 | quint32(point) << 24;
}

void EventLogFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (m_keys && chainAccepts(panel, channel, record))
        m_keys->append(packedKey(panel, *channel, record->pointNumber));
}

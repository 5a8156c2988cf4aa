#include "pointmodels/PointDataMapFilter.h"

#include "paneldata/PointDataMapsConfiguration.h"

bool PointDataMapFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    return PointDataMapsConfiguration::instance()->testPoint(m_page, panel, *channel, record->pointNumber) != m_value;
}

#include "paneldata/ForceDataMapFilter.h"

#include "paneldata/DataMapPages.h"
#include "paneldata/PointDataMapsConfiguration.h"

bool ForceDataMapFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if (!channel || !record)
        return false;
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const quint8 point = record->pointNumber;
    const bool forced = maps->testPoint(DataMapPages::Forced, panel, *channel, point);
    const bool disabled = maps->testPoint(DataMapPages::Disabled, panel, *channel, point);
    return forced && !disabled;
}

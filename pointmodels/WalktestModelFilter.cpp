#include "pointmodels/WalktestModelFilter.h"

#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/TaskMapPages.h"

bool WalktestModelFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const auto bit = [&](int page) { return maps->testPoint(page, panel, *channel, record->pointNumber); };
    if (!bit(TaskMapPages::WalkTestPoints))
        return false;
    const bool beenActive = bit(TaskMapPages::WalkTestBeenActive);
    const bool successful = bit(TaskMapPages::WalkTestSuccessful);
    switch (m_mode) {
    case UnfinishedOrFailed:
        return !beenActive && !successful;
    case Successful:
        return successful;
    default:
        return false;
    }
}

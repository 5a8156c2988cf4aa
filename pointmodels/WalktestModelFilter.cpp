#include "pointmodels/WalktestModelFilter.h"

#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/TaskMapPages.h"

bool WalktestModelFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const auto bit = [&](int page) { return maps->testPoint(page, panel, *channel, record->pointNumber); };
    if (!bit(TaskMapPages::WalkTestPoints))
        return false;
    const bool tested = bit(TaskMapPages::WalkTestTested);
    const bool failed = bit(TaskMapPages::WalkTestFailed);
    switch (m_mode) {
    case Untested:
        return !tested && !failed;
    case Failed:
        return failed;
    default:
        return false;
    }
}

#include "listscreens/LocationSelector.h"

#include "core/TeskGlobalConfig.h"
#include "listscreens/DisableActionRule.h"
#include "pointmodels/FilterModel.h"

#include <iterator>

namespace {

constexpr int LocationRole = 52;

enum Location : int { Loop = 0, LocalIo = 1, FrontPanelBus = 2, Network = 3, Sbus = 4, NonLoop = 5 };

// The channel kind each location stands for; anything else is a loop.
int channelKindOf(int location)
{
    static constexpr int kinds[] = {12, 0, 1, 5, 6, 13};
    return location >= 0 && location < int(std::size(kinds)) ? kinds[location] : kinds[Loop];
}

} // namespace

LocationSelector::LocationSelector(FilterModel *model, QButtonGroup *group, bool showNonLoop, QObject *parent)
    : SingleChoiceSelector(model, group, tr("_LOCATION_FILTERBTN"), LocationRole, parent)
    , m_showNonLoop(showNonLoop)
{
}

void LocationSelector::addFirstRows()
{
    // Only those who may disable reach points off the loops.
    const bool allowed = isDisableActionAllowed(false);
    const bool sbus = TeskGlobalConfig::instance()->packetHeaderLayout() > 0;
    setRows({
        {tr("_LOCATION_LOOP_LISTITEM"), Loop, true},
        {tr("_LOCATION_RBUS_LISTITEM"), FrontPanelBus, allowed},
        {tr("_LOCATION_LOCAL_IO_LISTITEM"), LocalIo, allowed},
        {tr("_LOCATION_LNET_LISTITEM"), Network, allowed},
        {tr("_LOCATION_SBUS_LISTITEM"), Sbus, allowed && sbus},
        {tr("_LOCATION_NON_LOOP_LISTITEM"), NonLoop, allowed && m_showNonLoop},
    });
}

quint8 LocationSelector::selectedLocation() const
{
    return quint8(chosenValue(Loop));
}

void LocationSelector::write(int value)
{
    if (m_model)
        m_model->channelKind = channelKindOf(value);
}

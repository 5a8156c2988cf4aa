#include "pointmodels/DisablePointFilter.h"

#include "pointmodels/TaskMapPages.h"

#include <QDebug>

namespace {

constexpr quint8 ConfiguredPoint = 0x01;
constexpr quint8 ExcludedChannelNumber = 5;

} // namespace

bool DisablePointFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if (!isOfMode(*record) || channel->number() == ExcludedChannelNumber || !(record->attributes & ConfiguredPoint))
        return false;
    const bool disabled =
        bitOfMode(TaskMapPages::DisabledInputs, TaskMapPages::DisabledOutputs, panel, *channel, *record);
    switch (action()) {
    case Invalid:
        qWarning() << "DisablePointFilter::accept"
                   << "Using DISABLE_INVALID";
        return true;
    case Disable:
        return !disabled;
    case Enable:
        return disabled;
    case EnableUnheld:
        return disabled && !bit(TaskMapPages::HeldByDisablement, panel, *channel, *record)
               && !bit(TaskMapPages::HeldByZone, panel, *channel, *record);
    default:
        return false;
    }
}

#include "pointmodels/ForcePointFilter.h"

#include "pointmodels/TaskMapPages.h"

#include <QDebug>

namespace {

constexpr quint8 ExcludedChannelNumber = 5;

} // namespace

ForcePointFilter::State ForcePointFilter::forceState(TC::panel_t panel, const ChannelAddress &channel,
                                                     const PointAddressKey &record) const
{
    bool on = false;
    bool off = false;
    if (mode() == Inputs) {
        on = bit(TaskMapPages::InputsForcedOn, panel, channel, record);
        off = bit(TaskMapPages::InputsForcedOff, panel, channel, record);
    } else if (mode() == Outputs) {
        on = bit(TaskMapPages::OutputsForcedOn, panel, channel, record);
        off = bit(TaskMapPages::OutputsForcedOff, panel, channel, record);
    }
    if (on)
        return ForcedOn;
    if (off)
        return ForcedOff;
    // Only outputs pulse.
    if (mode() == Outputs || mode() == InputsAndOutputs) {
        if (bit(TaskMapPages::FirstPulse, panel, channel, record))
            return Pulsing;
        if (bit(TaskMapPages::SecondPulse, panel, channel, record))
            return SecondPulsing;
    }
    return NotForced;
}

bool ForcePointFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if (channel->number() == ExcludedChannelNumber || !isOfMode(*record))
        return false;
    const State state = forceState(panel, *channel, *record);
    switch (action()) {
    case ForceOn:
        return state != ForcedOn;
    case ForceOff:
        return state != ForcedOff;
    case FirstPulse:
    case SecondPulse:
        return state != Pulsing;
    case Unforce:
        return state != NotForced;
    case AnyPoint:
        return true;
    default:
        return false;
    }
}

int toForceActionIndex(int forceAction)
{
    switch (forceAction) {
    case ForcePointFilter::ForceOn:
    case ForcePointFilter::ForceOff:
    case ForcePointFilter::FirstPulse:
    case ForcePointFilter::SecondPulse:
        return forceAction;
    case 0:
    case ForcePointFilter::Unforce:
        return 0;
    default:
        qWarning() << "toForceActionIndex"
                   << "Trying to use unexpected eForceAction" << forceAction;
        return 0;
    }
}

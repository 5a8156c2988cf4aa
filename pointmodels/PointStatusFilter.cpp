#include "pointmodels/PointStatusFilter.h"

#include "pointmodels/TaskMapPages.h"

bool PointStatusFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    const int mask = action();
    if (mask == 0)
        return true;
    const bool faulty = bit(TaskMapPages::InFault, panel, *channel, *record);
    const bool active = bitOfMode(TaskMapPages::ActiveInputs, TaskMapPages::ActiveOutputs, panel, *channel, *record);
    const bool disabled =
        bitOfMode(TaskMapPages::DisabledInputs, TaskMapPages::DisabledOutputs, panel, *channel, *record);
    return ((mask & Faulty) && faulty) || ((mask & Active) && active) || ((mask & Disabled) && disabled)
           || ((mask & Normal) && !faulty && !active && !disabled);
}

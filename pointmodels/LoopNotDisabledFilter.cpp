#include "pointmodels/LoopNotDisabledFilter.h"

#include "pointmodels/model.h"

namespace {

constexpr quint8 LoopKind = 12;

} // namespace

bool LoopNotDisabledFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *) const
{
    if (channel->kind() != LoopKind)
        return true;
    return model::instance()->isLoopShutDown(panel, channel->address()) == 0;
}

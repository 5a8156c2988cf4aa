#include "pointmodels/LoopCfgFilter.h"

namespace {

constexpr quint8 LastLoop = 32;

} // namespace

LoopCfgFilter::LoopCfgFilter(quint8 loop, bool alsoAddress0)
    : m_loop(loop)
    , m_alsoAddress0(alsoAddress0)
{
}

bool LoopCfgFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *) const
{
    if (!isLoopPointChannel(*channel))
        return false;
    const quint8 address = channel->address();
    if (address == m_loop)
        return true;
    if (m_loop != AllLoops)
        return false;
    return (address >= 1 && address <= LastLoop) || (m_alsoAddress0 && address == 0);
}

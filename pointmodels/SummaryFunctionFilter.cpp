#include "pointmodels/SummaryFunctionFilter.h"

namespace {

constexpr int AnyPointFunctionA = 0x80;
constexpr int AnyPointFunctionB = 0x100;

} // namespace

SummaryFunctionFilter::SummaryFunctionFilter(int functionMask)
    : m_mask(functionMask)
{
}

bool SummaryFunctionFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if ((quint32(m_mask) & record->functionFlags) == 0)
        return false;
    if (m_mask == AnyPointFunctionA || m_mask == AnyPointFunctionB)
        return true;
    const quint8 number = channel->number();
    return (record->attributes & OutputPoint) && isLoopKind(*channel) && (number == 0 || number == 2);
}

#include "pointmodels/PointCategoryFilter.h"

#include <QDebug>

namespace {

constexpr int Bit254 = 8;
constexpr int Bits = 16;

} // namespace

PointCategoryFilter::PointCategoryFilter(const QList<int> &channelNumbers, bool include)
    : m_mask(include ? 0x0000 : 0xFFFF)
{
    if (channelNumbers.contains(AllCategories)) {
        m_mask = quint16(~m_mask);
        return;
    }
    for (const int value : channelNumbers) {
        const int bit = value == Category254 ? Bit254 : value;
        if (bit < 0 || bit >= Bits) {
            qWarning() << "PointCategoryFilter::PointCategoryFilter"
                       << " ignored channel number" << value;
            continue;
        }
        if (include)
            m_mask |= quint16(1u << bit);
        else
            m_mask &= quint16(~(1u << bit));
    }
}

bool PointCategoryFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *) const
{
    return (m_mask >> channel->number()) & 1u;
}

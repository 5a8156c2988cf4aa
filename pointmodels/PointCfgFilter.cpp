#include "pointmodels/PointCfgFilter.h"

PointCfgFilter::PointCfgFilter(quint8 kind, quint8 number, quint8 point)
    : m_kind(kind)
    , m_number(number)
    , m_point(point)
{
}

bool PointCfgFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *record) const
{
    return channel->kind() == m_kind && channel->number() == m_number && record->pointNumber == m_point;
}

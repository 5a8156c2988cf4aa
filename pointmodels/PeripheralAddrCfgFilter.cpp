#include "pointmodels/PeripheralAddrCfgFilter.h"

PeripheralAddrCfgFilter::PeripheralAddrCfgFilter(quint8 kind, quint8 number, quint8 address)
    : m_kind(kind)
    , m_number(number)
    , m_address(address)
{
}

bool PeripheralAddrCfgFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *) const
{
    return channel->kind() == m_kind && channel->number() == m_number && channel->address() == m_address;
}

#pragma once

#include "paneldata/SimplePointFilter.h"

// The points of one channel: kind, number and address all equal.
class PeripheralAddrCfgFilter final : public SimplePointFilter
{
public:
    PeripheralAddrCfgFilter(quint8 kind, quint8 number, quint8 address);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    quint8 m_kind;
    quint8 m_number;
    quint8 m_address;
};

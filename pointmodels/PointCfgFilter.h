#pragma once

#include "paneldata/SimplePointFilter.h"

// One point number on channels of one kind and number, whatever their
// address: pair it with a PeripheralAddrCfgFilter to name one exact point.
class PointCfgFilter final : public SimplePointFilter
{
public:
    PointCfgFilter(quint8 kind, quint8 number, quint8 point);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    quint8 m_kind;
    quint8 m_number;
    quint8 m_point;
};

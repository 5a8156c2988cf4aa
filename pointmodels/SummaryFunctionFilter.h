#pragma once

#include "paneldata/SimplePointFilter.h"

// Points of the functions of an events summary: any point for the function
// values 0x80 and 0x100, otherwise only outputs on loop channels of number
// 0 or 2.
class SummaryFunctionFilter final : public SimplePointFilter
{
public:
    explicit SummaryFunctionFilter(int functionMask);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    int m_mask;
};

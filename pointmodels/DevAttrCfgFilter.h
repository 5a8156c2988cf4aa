#pragma once

#include "paneldata/SimplePointFilter.h"

// Points whose attribute bits share a bit with the mask (2 inputs, 4
// outputs).
class DevAttrCfgFilter final : public SimplePointFilter
{
public:
    explicit DevAttrCfgFilter(quint8 mask);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    quint8 m_mask;
};

#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QBitArray>

// Points whose device type has its bit set; a type past the array is
// refused.
class DevicesIDCfgFilter final : public SimplePointFilter
{
public:
    explicit DevicesIDCfgFilter(const QBitArray &deviceTypes);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    QBitArray m_deviceTypes;
};

#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QList>

#include <bitset>

// The points of the listed zones; an empty list accepts every point.
class ZoneCfgFilter final : public SimplePointFilter
{
public:
    explicit ZoneCfgFilter(const QList<quint8> &zones);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    // One bit per zone: asked once per point of every list build.
    std::bitset<256> m_zones;
    bool m_anyZone;
};

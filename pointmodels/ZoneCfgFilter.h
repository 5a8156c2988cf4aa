#pragma once

#include "pointmodels/SimplePointFilter.h"

#include <QList>

// The points of the listed zones; an empty list accepts every point.
class ZoneCfgFilter final : public SimplePointFilter
{
public:
    explicit ZoneCfgFilter(const QList<quint8> &zones);

    bool accept(TC::panel_t panel, const ChannelAddress *channel,
                const PointAddressKey *record) const override;

private:
    QList<quint8> m_zones;
};

#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QList>

// Points by channel number: the listed numbers (0 to 15; 254 shares bit 8
// with number 8) are included or excluded; 255 in the list means every
// number, so including it accepts all points and excluding it none.
class PointCategoryFilter final : public SimplePointFilter
{
public:
    static constexpr int AllCategories = 255;
    static constexpr int Category254 = 254;

    PointCategoryFilter(const QList<int> &channelNumbers, bool include);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

    quint16 mask() const { return m_mask; }

private:
    quint16 m_mask;
};

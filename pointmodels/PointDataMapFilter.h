#pragma once

#include "paneldata/SimplePointFilter.h"

// Points whose bit in one page's map differs from the value: (page, true)
// keeps the points not set there, (page, false) the points set.
class PointDataMapFilter final : public SimplePointFilter
{
public:
    PointDataMapFilter(int page, bool value)
        : m_page(page)
        , m_value(value)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    int m_page;
    bool m_value;
};

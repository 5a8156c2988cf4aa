#pragma once

#include "paneldata/ChannelAddress.h"
#include "paneldata/PointAddressKey.h"
#include "paneldata/TCTypes.h"

#include <QSharedPointer>

// One link of a point filter chain: decides whether a configured point, given
// in place as its panel, channel and record, belongs in a list.
class SimplePointFilter
{
public:
    SimplePointFilter() = default;
    virtual ~SimplePointFilter();
    SimplePointFilter(const SimplePointFilter &) = delete;
    SimplePointFilter &operator=(const SimplePointFilter &) = delete;

    virtual bool accept(TC::panel_t panel, const ChannelAddress *channel,
                        const PointAddressKey *record) const = 0;

    QSharedPointer<SimplePointFilter> next;
};

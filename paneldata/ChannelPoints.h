#pragma once

#include "paneldata/ChannelAddress.h"
#include "paneldata/PointAddressKey.h"

#include <QVector>

// The configured points of one channel, in arrival order.
struct ChannelPoints
{
    ChannelAddress key;
    QVector<PointAddressKey> records;
};

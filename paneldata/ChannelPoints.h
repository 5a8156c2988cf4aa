#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"

#include <QVector>

// The configured points of one channel, in arrival order.
struct ChannelPoints
{
    ChannelAddress key;
    QVector<PointAddressKey> records;
};

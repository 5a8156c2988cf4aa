#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"

#include <QString>

// A site scripted straight into the state store and the configuration
// singletons, as the sync pages would leave them.
namespace ScriptedSite {

// Empties the store and every configuration singleton the point models read;
// this engine then stands on no panel network (its own panel is 0).
void reset();

void setValue(int bucketId, const QString &key, const QString &value);
// Sets the key and tells the bucket's watchers, as the end of a page does.
void setValueAndNotify(int bucketId, const QString &key, const QString &value);
void notifyBucket(int bucketId);

PointAddressKey record(quint8 point, quint8 zone = 1, quint8 deviceType = 5, quint8 attributes = 0x02,
                       quint32 functions = 0x01, quint8 logical = 251);
void addPoint(quint8 panel, const ChannelAddress &channel, const PointAddressKey &record);

// A loop point channel (kind 12, number 0) of the loop.
ChannelAddress loop(quint8 loop);

} // namespace ScriptedSite

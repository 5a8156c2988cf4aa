#pragma once

#include "link/SimplePointInfo.h"

#include <QVariant>

// The texts a row of one point shows in the zone, name, device and address
// columns of the point lists, read from the panel model when asked.
namespace PointRowTexts {

// The zone's number and name; "-" for no zone (254).
QVariant zoneLabel(quint8 panel, quint8 zone);
QVariant pointName(const SimplePointInfo &point);
// "-" for a point without a device.
QVariant deviceText(const SimplePointInfo &point);
// The printable address with the row's zone, in the global address form.
QVariant addressText(const SimplePointInfo &point, quint8 zone);

} // namespace PointRowTexts

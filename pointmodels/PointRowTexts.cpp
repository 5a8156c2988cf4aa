#include "pointmodels/PointRowTexts.h"

#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/model.h"

namespace {

const QVariant Unknown = QStringLiteral("-");

int language()
{
    return TeskGlobalConfig::instance()->getCurrentLang();
}

} // namespace

QVariant PointRowTexts::zoneLabel(quint8 panel, quint8 zone)
{
    if (zone == PointAddressKey::NoZone)
        return Unknown;
    return PrintableAddress::instance()->zoneNumberAndName(panel, zone);
}

QVariant PointRowTexts::pointName(const SimplePointInfo &p)
{
    return model::instance()->pointName(p.panel, p.channelKind, p.channelNumber, p.channelAddress, p.point, language());
}

QVariant PointRowTexts::deviceText(const SimplePointInfo &p)
{
    const quint8 deviceType =
        model::instance()->pointDeviceType(p.panel, p.channelKind, p.channelNumber, p.channelAddress, p.point);
    if (deviceType == PointAddressKey::NoDevice)
        return Unknown;
    return model::instance()->deviceDescription(deviceType, language());
}

QVariant PointRowTexts::addressText(const SimplePointInfo &p, quint8 zone)
{
    SimplePointInfo point = p;
    return PrintableAddress::instance()->addressText(point.panel, point.channelKind, point.channelNumber,
                                                     point.channelAddress, point.point, zone, false, 0, 0, false,
                                                     PointAddressKey::NoLogicalPointNumber, false, false, -1, false);
}

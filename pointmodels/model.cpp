#include "pointmodels/model.h"

#include "app/TeskGlobalConfig.h"
#include "paneldata/PointCoreConfiguration.h"

model *model::instance()
{
    static model *theModel = new model;
    return theModel;
}

int model::packetHeaderLayout() const
{
    return TeskGlobalConfig::instance()->getPacketHeaderLayout() ? 1 : 0;
}

quint8 model::logicalPointNumber(quint8 panel, quint8 kind, quint8 number, quint8 address, quint8 point) const
{
    if (!TeskGlobalConfig::instance()->getLogicalAddr())
        return PointAddressKey::NoLogicalPointNumber;
    const PointAddressKey *record =
        PointCoreConfiguration::instance()->findPoint(panel, ChannelAddress(kind, address, number), point);
    return record ? record->logicalPointNumber : PointAddressKey::NoLogicalPointNumber;
}

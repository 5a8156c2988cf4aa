#include "pointmodels/model.h"

#include "app/TeskGlobalConfig.h"

model *model::instance()
{
    static model *theModel = new model;
    return theModel;
}

int model::packetHeaderLayout() const
{
    return TeskGlobalConfig::instance()->getPacketHeaderLayout() ? 1 : 0;
}

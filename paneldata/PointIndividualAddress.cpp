#include "paneldata/PointIndividualAddress.h"

#include "core/ChannelConversion.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/model.h"

PointIndividualAddress::PointIndividualAddress(quint8 kind, quint8 address, quint8 number, quint8 point)
    : m_channel(kind, address, number)
    , m_point(point)
{
    if (TeskGlobalConfig::instance()->packetHeaderLayout() == 0) {
        const auto numerical = channelAddressToNumerical(kind, address);
        m_channel.set(numerical.first, numerical.second, number);
    }
}

void PointIndividualAddress::registerMetaType()
{
    qRegisterMetaType<PointIndividualAddress>("PointIndividualAddress");
}

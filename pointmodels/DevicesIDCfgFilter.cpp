#include "pointmodels/DevicesIDCfgFilter.h"

DevicesIDCfgFilter::DevicesIDCfgFilter(const QBitArray &deviceTypes)
    : m_deviceTypes(deviceTypes)
{
}

bool DevicesIDCfgFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    return record->deviceType < m_deviceTypes.size() && m_deviceTypes.testBit(record->deviceType);
}

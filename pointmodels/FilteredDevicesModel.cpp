#include "pointmodels/FilteredDevicesModel.h"

#include "pointmodels/FilteredModelDeviceItem.h"

FilteredDevicesModel::FilteredDevicesModel(QObject *parent)
    : FilteredModel(parent)
{
}

void FilteredDevicesModel::clearModel()
{
    m_deviceTypes.clear();
    FilteredModel::clearModel();
}

void FilteredDevicesModel::addPoint(TC::panel_t, const ChannelAddress *, const PointAddressKey *record)
{
    if (!record || m_deviceTypes.contains(record->deviceType))
        return;
    m_deviceTypes.append(record->deviceType);
    auto *item = new FilteredModelDeviceItem(record->deviceType);
    item->setEditable(false);
    placeRow({item});
}

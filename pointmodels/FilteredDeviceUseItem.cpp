#include "pointmodels/FilteredDeviceUseItem.h"

#include "pointmodels/FilteredRoles.h"

QVariant FilteredDeviceUseItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case FilteredRoles::DeviceUseTextRole:
        return m_text;
    case FilteredRoles::DeviceUseRole:
        return uint(m_deviceUse);
    case FilteredRoles::AddressCountRole:
        return m_addressCount;
    default:
        return QStandardItem::data(role);
    }
}

#include "pointmodels/FilteredModelDeviceItem.h"

#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"

QVariant FilteredModelDeviceItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return model::instance()->deviceDescription(m_deviceType, TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::DeviceTagRole:
        return m_deviceType == PointAddressKey::NoDevice ? QStringLiteral("-")
                                                         : model::instance()->deviceTag(m_deviceType);
    case FilteredRoles::DeviceTypeRole:
        return uint(m_deviceType);
    default:
        return QStandardItem::data(role);
    }
}

#include "pointmodels/FilteredModelZoneItem.h"

#include "core/TeskGlobalConfig.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"

QVariant FilteredModelZoneItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return model::instance()->zoneName(m_panel, m_zone, TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::PanelRole:
        return uint(m_panel);
    case FilteredRoles::ZoneRole:
        return uint(m_zone);
    default:
        return QStandardItem::data(role);
    }
}

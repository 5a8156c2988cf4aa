#include "pointmodels/FilteredModelPanelItem.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "pointmodels/FilteredRoles.h"

QVariant FilteredModelPanelItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return PanelConfiguration::instance()->panelName(m_panel, TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::PanelRole:
        return uint(m_panel);
    case FilteredRoles::LogicalZoneRole:
        return FilteredRoles::AnyLogicalZone;
    default:
        return QStandardItem::data(role);
    }
}

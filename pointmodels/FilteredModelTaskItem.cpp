#include "pointmodels/FilteredModelTaskItem.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"

namespace {

constexpr int TaskOnPage = 140;

} // namespace

QVariant FilteredModelTaskItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return model::instance()->pointName(m_panel, TaskChannelKind, TaskChannelNumber, TaskChannelAddress, m_task,
                                            TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::CheckRole: {
        const bool on = PointDataMapsConfiguration::instance()->testPointAddress(
            TaskOnPage, m_panel, TaskChannelKind, TaskChannelNumber, TaskChannelAddress, m_task);
        return on ? int(Qt::Checked) : int(Qt::Unchecked);
    }
    case FilteredRoles::PanelRole:
        return uint(m_panel);
    case FilteredRoles::PointRole:
        return uint(m_task);
    default:
        return QStandardItem::data(role);
    }
}

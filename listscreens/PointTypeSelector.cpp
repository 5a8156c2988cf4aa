#include "listscreens/PointTypeSelector.h"

#include "core/TeskGlobalConfig.h"
#include "pointmodels/FilterModel.h"

namespace {

constexpr int PointTypeRole = 43;
constexpr int NoPseudoPoints = 16;
constexpr int NoMenuPoints = 32;

} // namespace

PointTypeSelector::PointTypeSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : SingleChoiceSelector(model, group, tr("_POINT_TYPE_ABTN"), PointTypeRole, parent)
{
}

void PointTypeSelector::fillTypes(bool localIoTypes, bool xbusType)
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    setRows({
        {tr("_REAL_LISTITEM"), 0, true},
        {tr("_PSEUDO_LISTITEM"), 1, !config->isRestricted(NoPseudoPoints)},
        {tr("_XBUS_LISTITEM"), 2, localIoTypes || xbusType},
        {tr("_TIMER_LISTITEM"), 3, localIoTypes},
        {tr("_MENU_LISTITEM"), 4, localIoTypes && !config->isRestricted(NoMenuPoints)},
    });
}

void PointTypeSelector::write(int value)
{
    if (m_model)
        m_model->pointType = value;
}

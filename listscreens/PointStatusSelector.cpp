#include "listscreens/PointStatusSelector.h"

#include "pointmodels/FilterModel.h"

#include <QtGlobal>

namespace {

constexpr int PointStatusBitRole = 181;

const MaskSelector::Kind States{
    "PointStatusSelector",
    QT_TRANSLATE_NOOP("PointStatusSelector", "_POINT_STATUS_FILTERBTN"),
    QT_TRANSLATE_NOOP("PointStatusSelector", "_POINT_STATUS_SELECTED_SELTEXT"),
    "PointStatusSelector::m_filterEditor",
    PointStatusBitRole,
    &FilterModel::pointStatusMask,
    {
        {QT_TRANSLATE_NOOP("PointStatusSelector", "_ACTIVE_LISTITEM"), 1},
        {QT_TRANSLATE_NOOP("PointStatusSelector", "_FAULT_LISTITEM"), 2},
        {QT_TRANSLATE_NOOP("PointStatusSelector", "_DISABLED_LISTITEM"), 4},
        {QT_TRANSLATE_NOOP("PointStatusSelector", "_NORMAL_LISTITEM"), 8},
    },
};

} // namespace

PointStatusSelector::PointStatusSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : MaskSelector(States, model, group, parent)
{
}

#include "listscreens/FunctionsSelector.h"

#include "pointmodels/FilterModel.h"

#include <QtGlobal>

namespace {

constexpr int FunctionBitRole = 47;

// The bits are those of a point's function flags.
const MaskSelector::Kind Functions{
    "FunctionsSelector",
    QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTIONS_FILTERBTN"),
    QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTIONS_SELECTED_SELTEXT"),
    "FunctionsSelector::m_FilterEditor",
    FunctionBitRole,
    &FilterModel::functionMask,
    {
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_DETECTORS_LISTITEM"), 0x1},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_CALLPOINTS_LISTITEM"), 0x2},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_ALARM_INPUTS_LISTITEM"), 0x4},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_SOUNDERS_LISTITEM"), 0x8},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_PROTECTION_EQUIPMENT_LISTITEM"), 0x10},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_PLANT_EQUIPMENT_LISTITEM"), 0x20},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_EXTINGUISHING_LISTITEM"), 0x40},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_POINT_INPUT_LISTITEM"), 0x10000},
        {QT_TRANSLATE_NOOP("FunctionsSelector", "_FUNCTION_POINT_OUTPUT_LISTITEM"), 0x20000},
    },
};

} // namespace

FunctionsSelector::FunctionsSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : MaskSelector(Functions, model, group, parent)
{
}

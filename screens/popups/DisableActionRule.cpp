#include "screens/popups/DisableActionRule.h"

#include "app/Security.h"
#include "pointmodels/model.h"

namespace {

constexpr int FirstTemplateLevel = 2;
constexpr int LowerLevel = 7;
constexpr int UpperLevel = 9;

} // namespace

bool isDisableActionAllowed(bool lowerThreshold)
{
    const int level = model::instance()->isTemplate1() ? FirstTemplateLevel : lowerThreshold ? LowerLevel : UpperLevel;
    return Security::instance()->hasPermission(level);
}

#include "listscreens/DisableActionRule.h"

#include "pointmodels/model.h"

#include <utility>

namespace {

DisableActionRule::PermissionCheck &permissionCheck()
{
    static DisableActionRule::PermissionCheck check;
    return check;
}

} // namespace

void DisableActionRule::installPermissionCheck(PermissionCheck check)
{
    permissionCheck() = std::move(check);
}

int DisableActionRule::requiredLevel(bool lowerThreshold)
{
    if (model::instance()->isTemplate1())
        return 2;
    return lowerThreshold ? 7 : 9;
}

bool isDisableActionAllowed(bool lowerThreshold)
{
    const DisableActionRule::PermissionCheck &check = permissionCheck();
    return check && check(DisableActionRule::requiredLevel(lowerThreshold));
}

#pragma once

#include <functional>

// The one access rule by which screens, menus and selectors decide whether
// to offer disable and enable actions at all. The log-on lives on the floor
// above; the start-up hands in its permission check, and until then nobody
// may disable.
class DisableActionRule final
{
public:
    // True when the logged-on user has at least the given user level.
    using PermissionCheck = std::function<bool(int userLevel)>;

    static void installPermissionCheck(PermissionCheck check);
    // The user level the rule asks for: 2 on a template-1 panel, else 7 for
    // the lower threshold and 9 for the higher.
    static int requiredLevel(bool lowerThreshold);
};

bool isDisableActionAllowed(bool lowerThreshold);

#pragma once

#include <QObject>

// Carries the access-level enumeration shared by the pages, the page stack
// and the log-on state; registered with the meta-object system so it can be
// a property type and travel in signals.
class TESKEnumHolder final
{
    Q_GADGET

public:
    enum AccessLevelTESK {
        EN54_NOT_LOGGED_IN = 1,
        EN54_KEY_IN = 2,
        EN54_LOGGED_IN = 3,
        EN54_ENGINEER = 4,
        EN54_ACCESS_LEVELS = 5 // a count, never an access level
    };
    Q_ENUM(AccessLevelTESK)
};

#pragma once

#include <QMetaType>

// What a disablement request asks of its points; the byte travels in the
// request and the value comes back with each chunk sent.
enum DisablementFunctionID : int {
    DISABLEMENT_ENABLE = 0,
    DISABLEMENT_DISABLE = 1,
    DISABLEMENT_DEFERRED_1 = 2,
    DISABLEMENT_DEFERRED_2 = 3,
};

Q_DECLARE_METATYPE(DisablementFunctionID)

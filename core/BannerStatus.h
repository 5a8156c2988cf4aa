#pragma once

#include <QMetaType>

namespace TC {

// What the panel's banner reports, carried as a 32-bit value; any value other
// than normal and fire counts as a fault or warning.
enum BANNER_STATUS : int {
    BANNER_NORMAL = 0,
    BANNER_FAULT = 1,
    BANNER_FIRE = 2,
};

} // namespace TC

Q_DECLARE_METATYPE(TC::BANNER_STATUS)

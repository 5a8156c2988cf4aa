#pragma once

#include <QMetaType>

namespace TC {

// The panel's sounders as the screens show them, carried as a 32-bit value.
enum SounderState : int {
    SOUNDERS_OFF = 0,
    SOUNDERS_NORMAL = 1, // also the initial state
    SOUNDERS_SILENCED = 2,
    SOUNDERS_NOT_SHOWN = 3,
};

} // namespace TC

Q_DECLARE_METATYPE(TC::SounderState)

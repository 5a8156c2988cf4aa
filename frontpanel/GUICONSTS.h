#pragma once

#include <QMetaType>

namespace GUICONSTS {

// The keys whose presses other components follow (the key shortcuts).
enum eKeyTypes : int { HOME_KEY = 0, BACK_KEY = 1, SILENCE_BUZZER_KEY = 2 };

} // namespace GUICONSTS

Q_DECLARE_METATYPE(GUICONSTS::eKeyTypes)

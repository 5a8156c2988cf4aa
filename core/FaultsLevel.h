#pragma once

#include <QMetaType>

namespace TC {

// Which faults a faults list shows: every one, the accepted or the not yet
// accepted ones.
enum eFaultsLevel : int { eAllFaults = 0, eAcceptedFaults = 1, eUnacceptedFaults = 2 };

} // namespace TC

Q_DECLARE_METATYPE(TC::eFaultsLevel)

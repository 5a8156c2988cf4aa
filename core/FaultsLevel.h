#pragma once

#include <QMetaType>

namespace TC {

// Which faults a faults list holds, by acceptance; carried as a 32-bit value.
enum eFaultsLevel : int {
    FAULTS_ALL = 0,
    FAULTS_ACCEPTED = 1,
    FAULTS_UNACCEPTED = 2,
};

} // namespace TC

Q_DECLARE_METATYPE(TC::eFaultsLevel)

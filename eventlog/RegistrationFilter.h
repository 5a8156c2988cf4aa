#pragma once

#include <QtGlobal>

#include <array>

namespace EventLog {

// The filter block that every historic-client registration carries, in the
// order the request writes it. What the controller reads into each value
// is its own business; these are the values it expects.
struct RegistrationFilter
{
    std::array<quint8, 6> leadingBytes{{1, 1, 0, 0, 0, 0}};
    std::array<quint16, 3> firstWords{{65535, 0, 0}};
    std::array<quint8, 2> middleBytes{{3, 255}};
    std::array<quint16, 2> lastWords{{65535, 0}};

    static const RegistrationFilter &defaults();
};

} // namespace EventLog

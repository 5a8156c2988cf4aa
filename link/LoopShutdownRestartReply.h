#pragma once

#include <QtGlobal>

// The controller's answer to a loop shutdown or restart: four bytes whose
// meaning is the controller's; the loop shutdown screen shows a result when
// the first is not 0.
struct LoopShutdownRestartReply
{
    quint32 first = 0;
    quint32 second = 0;
    quint8 third = 0;
    quint8 fourth = 0;
};

#include "link/HighPriorityStatus.h"

namespace EventLog {

namespace {
HighPriorityStatus *g_installed = nullptr;
}

void HighPriorityStatus::install(HighPriorityStatus *status)
{
    g_installed = status;
}

HighPriorityStatus *HighPriorityStatus::installed()
{
    return g_installed;
}

} // namespace EventLog

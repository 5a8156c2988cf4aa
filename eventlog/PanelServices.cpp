#include "eventlog/PanelServices.h"

namespace EventLog {

namespace {
PanelServices *g_installed = nullptr;
}

void PanelServices::install(PanelServices *services)
{
    g_installed = services;
}

PanelServices *PanelServices::installed()
{
    return g_installed;
}

} // namespace EventLog

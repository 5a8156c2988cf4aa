#include "paneldata/pages/sc_logicalzoneconfiguration_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_logicalzoneconfiguration_Page sc_logicalzoneconfiguration_Page::s_handler;

sc_logicalzoneconfiguration_Page::sc_logicalzoneconfiguration_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLogicalZoneConfiguration)
{
}

sc_logicalzoneconfiguration_Page *sc_logicalzoneconfiguration_Page::handler()
{
    return &s_handler;
}

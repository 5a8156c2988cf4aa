#include "paneldata/pages/sc_PPointDataMaps_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PPointDataMaps_Page sc_PPointDataMaps_Page::s_handler;

sc_PPointDataMaps_Page::sc_PPointDataMaps_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePPointDataMapFirst)
{
}

sc_PPointDataMaps_Page *sc_PPointDataMaps_Page::handler()
{
    return &s_handler;
}

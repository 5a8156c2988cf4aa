#include "paneldata/pages/sc_LoopPointCountersSnapshot_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_LoopPointCountersSnapshot_Page sc_LoopPointCountersSnapshot_Page::s_handler;

sc_LoopPointCountersSnapshot_Page::sc_LoopPointCountersSnapshot_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLoopPointCountersSnapshot)
{
}

sc_LoopPointCountersSnapshot_Page *sc_LoopPointCountersSnapshot_Page::handler()
{
    return &s_handler;
}

#include "paneldata/pages/sc_LoopStatusValues_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_LoopStatusValues_Page sc_LoopStatusValues_Page::s_handler;

sc_LoopStatusValues_Page::sc_LoopStatusValues_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLoopStatusValues)
{
}

sc_LoopStatusValues_Page *sc_LoopStatusValues_Page::handler()
{
    return &s_handler;
}

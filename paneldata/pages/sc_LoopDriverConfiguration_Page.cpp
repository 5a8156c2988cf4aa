#include "paneldata/pages/sc_LoopDriverConfiguration_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_LoopDriverConfiguration_Page sc_LoopDriverConfiguration_Page::s_handler;

sc_LoopDriverConfiguration_Page::sc_LoopDriverConfiguration_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLoopDriverConfiguration)
{
}

sc_LoopDriverConfiguration_Page *sc_LoopDriverConfiguration_Page::handler()
{
    return &s_handler;
}

#include "paneldata/pages/sc_LKNetNode_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_LKNetNode_Page sc_LKNetNode_Page::s_handler;

sc_LKNetNode_Page::sc_LKNetNode_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLkNetNode)
{
}

sc_LKNetNode_Page *sc_LKNetNode_Page::handler()
{
    return &s_handler;
}

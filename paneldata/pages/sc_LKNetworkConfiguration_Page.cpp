#include "paneldata/pages/sc_LKNetworkConfiguration_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_LKNetworkConfiguration_Page sc_LKNetworkConfiguration_Page::s_handler;

sc_LKNetworkConfiguration_Page::sc_LKNetworkConfiguration_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eLkNetworkConfiguration)
{
}

sc_LKNetworkConfiguration_Page *sc_LKNetworkConfiguration_Page::handler()
{
    return &s_handler;
}

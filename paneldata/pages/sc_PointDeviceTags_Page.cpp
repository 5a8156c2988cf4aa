#include "paneldata/pages/sc_PointDeviceTags_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PointDeviceTags_Page sc_PointDeviceTags_Page::s_handler;

sc_PointDeviceTags_Page::sc_PointDeviceTags_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePointDeviceTags)
{
}

sc_PointDeviceTags_Page *sc_PointDeviceTags_Page::handler()
{
    return &s_handler;
}

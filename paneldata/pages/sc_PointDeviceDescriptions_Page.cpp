#include "paneldata/pages/sc_PointDeviceDescriptions_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PointDeviceDescriptions_Page sc_PointDeviceDescriptions_Page::s_handler;

sc_PointDeviceDescriptions_Page::sc_PointDeviceDescriptions_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePointDeviceDescriptions)
{
}

sc_PointDeviceDescriptions_Page *sc_PointDeviceDescriptions_Page::handler()
{
    return &s_handler;
}

#include "paneldata/pages/sc_PointCoreConfiguration_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PointCoreConfiguration_Page sc_PointCoreConfiguration_Page::s_handler;

sc_PointCoreConfiguration_Page::sc_PointCoreConfiguration_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePointCoreConfiguration)
{
}

sc_PointCoreConfiguration_Page *sc_PointCoreConfiguration_Page::handler()
{
    return &s_handler;
}

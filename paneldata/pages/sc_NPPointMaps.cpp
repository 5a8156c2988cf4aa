#include "paneldata/pages/sc_NPPointMaps.h"

#include "core/SC_SyncPageIDS.h"

sc_NPPointMaps sc_NPPointMaps::s_handler;

sc_NPPointMaps::sc_NPPointMaps()
    : SC_PageHandlerFor(SC_SyncPageIDS::eNPPointMapFirst)
{
}

sc_NPPointMaps *sc_NPPointMaps::handler()
{
    return &s_handler;
}

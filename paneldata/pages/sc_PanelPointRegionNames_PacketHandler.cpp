#include "paneldata/pages/sc_PanelPointRegionNames_PacketHandler.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelPointRegionNames_PacketHandler sc_PanelPointRegionNames_PacketHandler::s_handler;

sc_PanelPointRegionNames_PacketHandler::sc_PanelPointRegionNames_PacketHandler()
    : SC_PageHandlerFor(SC_SyncPageIDS::ePointRegionNames)
{
}

sc_PanelPointRegionNames_PacketHandler *sc_PanelPointRegionNames_PacketHandler::handler()
{
    return &s_handler;
}

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PointRegionNamePagePkt.h"

class sc_PanelPointRegionNames_PacketHandler final : public SC_PageHandlerFor<SC_PointRegionNamePagePkt>
{
public:
    static sc_PanelPointRegionNames_PacketHandler *handler();

private:
    sc_PanelPointRegionNames_PacketHandler();

    static sc_PanelPointRegionNames_PacketHandler s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PPanelZoneMapPkt.h"

class sc_PPanelZoneMaps_Page final : public SC_PageHandlerFor<SC_PPanelZoneMapPkt>
{
public:
    static sc_PPanelZoneMaps_Page *handler();

private:
    sc_PPanelZoneMaps_Page();

    static sc_PPanelZoneMaps_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PanelZoneNamesPagePkt.h"

class sc_PanelZoneNames_Page final : public SC_PageHandlerFor<SC_PanelZoneNamesPagePkt>
{
public:
    static sc_PanelZoneNames_Page *handler();

private:
    sc_PanelZoneNames_Page();

    static sc_PanelZoneNames_Page s_handler;
};

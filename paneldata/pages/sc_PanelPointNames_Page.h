#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PanelPointNamesPagePkt.h"

class sc_PanelPointNames_Page final : public SC_PageHandlerFor<SC_PanelPointNamesPagePkt>
{
public:
    static sc_PanelPointNames_Page *handler();

private:
    sc_PanelPointNames_Page();

    static sc_PanelPointNames_Page s_handler;
};

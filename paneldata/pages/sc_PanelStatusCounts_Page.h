#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PanelStatusCountsPkt.h"

class sc_PanelStatusCounts_Page final : public SC_PageHandlerFor<SC_PanelStatusCountsPkt>
{
public:
    static sc_PanelStatusCounts_Page *handler();

private:
    sc_PanelStatusCounts_Page();

    static sc_PanelStatusCounts_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_EventNamesPagePkt.h"

class sc_EventNames_Page final : public SC_PageHandlerFor<SC_EventNamesPagePkt>
{
public:
    static sc_EventNames_Page *handler();

private:
    sc_EventNames_Page();

    static sc_EventNames_Page s_handler;
};

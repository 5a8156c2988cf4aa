#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/sc_LoopStatusValues_Page_Pkt.h"

class sc_LoopStatusValues_Page final : public SC_PageHandlerFor<sc_LoopStatusValues_Page_Pkt>
{
public:
    static sc_LoopStatusValues_Page *handler();

private:
    sc_LoopStatusValues_Page();

    static sc_LoopStatusValues_Page s_handler;
};

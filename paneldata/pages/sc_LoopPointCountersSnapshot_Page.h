#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_LoopPointCountersSnapshotPagePkt.h"

class sc_LoopPointCountersSnapshot_Page final : public SC_PageHandlerFor<SC_LoopPointCountersSnapshotPagePkt>
{
public:
    static sc_LoopPointCountersSnapshot_Page *handler();

private:
    sc_LoopPointCountersSnapshot_Page();

    static sc_LoopPointCountersSnapshot_Page s_handler;
};

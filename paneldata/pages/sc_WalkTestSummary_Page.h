#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_WalkTestSummaryPkt.h"

class sc_WalkTestSummary_Page final : public SC_PageHandlerFor<SC_WalkTestSummaryPkt>
{
public:
    static sc_WalkTestSummary_Page *handler();

private:
    sc_WalkTestSummary_Page();

    static sc_WalkTestSummary_Page s_handler;
};

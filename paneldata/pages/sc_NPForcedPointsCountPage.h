#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_NPForcedPointsCountPagePkt.h"

class sc_NPForcedPointsCountPage final : public SC_PageHandlerFor<SC_NPForcedPointsCountPagePkt>
{
public:
    static sc_NPForcedPointsCountPage *handler();

private:
    sc_NPForcedPointsCountPage();

    static sc_NPForcedPointsCountPage s_handler;
};

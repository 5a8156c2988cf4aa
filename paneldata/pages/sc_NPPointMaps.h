#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_NPPointsMapPkt.h"

class sc_NPPointMaps final : public SC_PageHandlerFor<SC_NPPointsMapPkt>
{
public:
    static sc_NPPointMaps *handler();

private:
    sc_NPPointMaps();

    static sc_NPPointMaps s_handler;
};

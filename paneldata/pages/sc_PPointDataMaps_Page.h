#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_PPointDataMapsPkt.h"

class sc_PPointDataMaps_Page final : public SC_PageHandlerFor<SC_PPointDataMapsPkt>
{
public:
    static sc_PPointDataMaps_Page *handler();

private:
    sc_PPointDataMaps_Page();

    static sc_PPointDataMaps_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_TemporaryPatchDataPkt.h"

class sc_TemporaryPatchData_Page final : public SC_PageHandlerFor<SC_TemporaryPatchDataPkt>
{
public:
    static sc_TemporaryPatchData_Page *handler();

private:
    sc_TemporaryPatchData_Page();

    static sc_TemporaryPatchData_Page s_handler;
};

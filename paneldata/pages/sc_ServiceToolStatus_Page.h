#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_ServiceToolStatusPagePkt.h"

class sc_ServiceToolStatus_Page final : public SC_PageHandlerFor<SC_ServiceToolStatusPagePkt>
{
public:
    static sc_ServiceToolStatus_Page *handler();

private:
    sc_ServiceToolStatus_Page();

    static sc_ServiceToolStatus_Page s_handler;
};

#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_LkNetNodePkt.h"

class sc_LKNetNode_Page final : public SC_PageHandlerFor<SC_LkNetNodePkt>
{
public:
    static sc_LKNetNode_Page *handler();

private:
    sc_LKNetNode_Page();

    static sc_LKNetNode_Page s_handler;
};

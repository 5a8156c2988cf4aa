#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_CommissioningPagePkt.h"

class sc_CommissioningPage_PacketHandler final : public SC_PageHandlerFor<SC_CommissioningPagePkt>
{
public:
    static sc_CommissioningPage_PacketHandler *handler();

private:
    sc_CommissioningPage_PacketHandler();

    static sc_CommissioningPage_PacketHandler s_handler;
};

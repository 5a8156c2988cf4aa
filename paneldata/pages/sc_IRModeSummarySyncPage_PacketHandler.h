#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_IRModeSummaryPkt.h"

class sc_IRModeSummarySyncPage_PacketHandler final : public SC_PageHandlerFor<SC_IRModeSummaryPkt>
{
public:
    static sc_IRModeSummarySyncPage_PacketHandler *handler();

private:
    sc_IRModeSummarySyncPage_PacketHandler();

    static sc_IRModeSummarySyncPage_PacketHandler s_handler;
};

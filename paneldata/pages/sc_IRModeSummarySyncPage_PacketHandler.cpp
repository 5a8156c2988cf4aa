#include "paneldata/pages/sc_IRModeSummarySyncPage_PacketHandler.h"

#include "core/SC_SyncPageIDS.h"

sc_IRModeSummarySyncPage_PacketHandler sc_IRModeSummarySyncPage_PacketHandler::s_handler;

sc_IRModeSummarySyncPage_PacketHandler::sc_IRModeSummarySyncPage_PacketHandler()
    : SC_PageHandlerFor(SC_SyncPageIDS::eIRModeSummary)
{
}

sc_IRModeSummarySyncPage_PacketHandler *sc_IRModeSummarySyncPage_PacketHandler::handler()
{
    return &s_handler;
}

#include "paneldata/pages/sc_CommissioningPage_PacketHandler.h"

#include "core/SC_SyncPageIDS.h"

sc_CommissioningPage_PacketHandler sc_CommissioningPage_PacketHandler::s_handler;

sc_CommissioningPage_PacketHandler::sc_CommissioningPage_PacketHandler()
    : SC_PageHandlerFor(SC_SyncPageIDS::eCommissioning)
{
}

sc_CommissioningPage_PacketHandler *sc_CommissioningPage_PacketHandler::handler()
{
    return &s_handler;
}

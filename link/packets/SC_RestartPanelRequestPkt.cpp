#include "link/packets/SC_RestartPanelRequestPkt.h"

SC_RestartPanelRequestPkt::SC_RestartPanelRequestPkt(quint8 panel, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(0), requestHeader(FunctionCode, {layoutKind, panel}))
{
}

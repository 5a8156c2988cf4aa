#include "link/packets/SC_FastFaultModeRequestPkt.h"

SC_FastFaultModeRequestPkt::SC_FastFaultModeRequestPkt(quint8 panel, quint8 mode, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(mode), requestHeader(FunctionCode, {layoutKind, panel}))
{
}

#include "link/packets/SC_NetworkFaultRequestPkt.h"

SC_NetworkFaultRequestPkt::SC_NetworkFaultRequestPkt(int layoutKind, quint8 node, quint8 kind)
    : SC_RequestPacket(SC_RequestFields().u8(kind),
                       requestHeader(FunctionCode, {layoutKind, node, true, 50, FirstAddress}))
{
}

#include "link/packets/SC_LegacyNetworkFaultRequestPkt.h"

SC_LegacyNetworkFaultRequestPkt::SC_LegacyNetworkFaultRequestPkt(int layoutKind, quint8 node)
    : SC_RequestPacket(SC_RequestFields(), requestHeader(FunctionCode, {layoutKind, node, true}))
{
}

#include "link/packets/SC_LoopShutdownRestartRequestPkt.h"

SC_LoopShutdownRestartRequestPkt::SC_LoopShutdownRestartRequestPkt(quint8 panel, quint8 loop, quint8 restart,
                                                                   int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(restart).u8(loop), requestHeader(FunctionCode, {layoutKind, panel, true}))
{
}

#include "link/packets/SC_PointStatusUpdateRequestPkt.h"

SC_PointStatusUpdateRequestPkt::SC_PointStatusUpdateRequestPkt(quint8 first, quint8 panel, quint8 second,
                                                               int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(first).u8(second).u8(1).u8(255),
                       requestHeader(FunctionCode, {layoutKind, panel}))
{
}

#include "link/packets/SC_ChangeAddrReqPkt.h"

SC_ChangeAddrReqPkt::SC_ChangeAddrReqPkt(quint8 panel, quint8 loop, quint8 currentPoint, quint8 newPoint,
                                         int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(loop).u8(currentPoint).u8(newPoint), SubCode,
                       SC_RequestAddress{layoutKind, panel, true})
{
}

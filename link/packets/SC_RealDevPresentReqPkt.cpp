#include "link/packets/SC_RealDevPresentReqPkt.h"

SC_RealDevPresentReqPkt::SC_RealDevPresentReqPkt(quint8 panel, quint8 loop, quint8 point, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(loop).u8(point), SubCode, SC_RequestAddress{layoutKind, panel, true})
{
}

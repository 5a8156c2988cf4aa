#include "link/packets/SC_RequestConnectedServicesPkt.h"

SC_RequestConnectedServicesPkt::SC_RequestConnectedServicesPkt(quint8 panel, quint8 request, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(request), SubCode, SC_RequestAddress{layoutKind, panel, true})
{
}

#include "link/packets/SC_PointManagerIRLinkModePkt.h"

SC_PointManagerIRLinkModePkt::SC_PointManagerIRLinkModePkt(quint8 panel, quint8 mode, quint8 loop, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(mode).u8(loop).u8(255), SubCode, SC_RequestAddress{layoutKind, panel})
{
}

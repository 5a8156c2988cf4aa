#include "link/packets/SC_StopWalktestPkt.h"

SC_StopWalktestPkt::SC_StopWalktestPkt(quint8 first, quint8 second, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(first).u8(second), Walktest, SC_RequestAddress{layoutKind})
{
}

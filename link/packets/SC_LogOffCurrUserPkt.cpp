#include "link/packets/SC_LogOffCurrUserPkt.h"

SC_LogOffCurrUserPkt::SC_LogOffCurrUserPkt(int layoutKind)
    : SC_RequestPacket(SC_RequestFields(), SubCode, SC_RequestAddress{layoutKind})
{
}

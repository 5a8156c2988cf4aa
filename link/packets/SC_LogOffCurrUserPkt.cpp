#include "link/packets/SC_LogOffCurrUserPkt.h"

SC_LogOffCurrUserPkt::SC_LogOffCurrUserPkt(int layoutKind)
    : SC_TESKSupportPacket(SubCode, SC_RequestAddress{layoutKind, 0, false, 50, 0, 0})
{
}

void SC_LogOffCurrUserPkt::handlePacketData()
{
}

void SC_LogOffCurrUserPkt::serialise()
{
    buffer()->writeLength();
}

#include "link/packets/SC_SetTimeDatePacket.h"

SC_SetTimeDatePacket::SC_SetTimeDatePacket(quint32 panelTime, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u32(panelTime), SetTimeDate, SC_RequestAddress{layoutKind})
{
}

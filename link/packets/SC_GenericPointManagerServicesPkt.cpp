#include "link/packets/SC_GenericPointManagerServicesPkt.h"

SC_GenericPointManagerServicesPkt::SC_GenericPointManagerServicesPkt(int subCode, quint8 panel, quint8 value,
                                                                     int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(value), subCode, SC_RequestAddress{layoutKind, panel})
{
}

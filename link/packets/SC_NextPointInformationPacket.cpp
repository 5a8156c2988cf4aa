#include "link/packets/SC_NextPointInformationPacket.h"

SC_NextPointInformationPacket::SC_NextPointInformationPacket(quint8 panel, quint16 cursor, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u16(cursor), requestHeader(FunctionCode, {layoutKind, panel}))
{
}

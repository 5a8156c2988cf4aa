#include "link/SC_GUICommandPacket.h"

SC_GUICommandPacket::SC_GUICommandPacket(int command, const SC_RequestAddress &address)
    : SC_TESKSupportPacket(SubCode, address)
    , m_command(command)
{
    buffer()->appendByte(quint8(command));
}

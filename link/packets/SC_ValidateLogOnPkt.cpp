#include "link/packets/SC_ValidateLogOnPkt.h"

SC_ValidateLogOnPkt::SC_ValidateLogOnPkt(quint8 user, const QString &passcode, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(user).u8(0).text(passcode), SubCode, SC_RequestAddress{layoutKind})
{
}

#include "link/packets/SC_ValidateLogOnPkt.h"

SC_ValidateLogOnPkt::SC_ValidateLogOnPkt(quint8 user, const QString &passcode, int layoutKind)
    : SC_TESKSupportPacket(SubCode, SC_RequestAddress{layoutKind, 0, false, 50, 0, 0})
    , m_user(user)
    , m_passcode(passcode)
{
}

void SC_ValidateLogOnPkt::handlePacketData()
{
}

void SC_ValidateLogOnPkt::serialise()
{
    buffer()->appendByte(m_user);
    buffer()->appendByte(0);
    buffer()->appendText(m_passcode);
    buffer()->writeLength();
}

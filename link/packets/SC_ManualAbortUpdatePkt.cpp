#include "link/packets/SC_ManualAbortUpdatePkt.h"

namespace {

constexpr quint8 AbortKind = 2;

} // namespace

SC_ManualAbortUpdatePkt::SC_ManualAbortUpdatePkt(quint8 panel, quint16 updateId, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(AbortKind).u16(updateId), SubCode, SC_RequestAddress{layoutKind, panel})
{
}

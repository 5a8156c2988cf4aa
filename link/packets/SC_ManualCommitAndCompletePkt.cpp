#include "link/packets/SC_ManualCommitAndCompletePkt.h"

namespace {

constexpr quint8 CommitKind = 3;

} // namespace

SC_ManualCommitAndCompletePkt::SC_ManualCommitAndCompletePkt(quint8 panel, quint16 updateId, quint16 records,
                                                             int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(CommitKind).u16(records).u16(updateId), SubCode,
                       SC_RequestAddress{layoutKind, panel, true})
{
}

#include "link/packets/SC_LoopPointCountersSnapshotPkt.h"

SC_LoopPointCountersSnapshotPkt::SC_LoopPointCountersSnapshotPkt(quint8 first, quint8 second, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(first).u8(second), LoopPointCountersSnapshot,
                       SC_RequestAddress{layoutKind})
{
}

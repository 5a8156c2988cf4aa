#include "link/packets/SC_SerialisationServiceStatusReqPkt.h"

SC_SerialisationServiceStatusReqPkt::SC_SerialisationServiceStatusReqPkt(int fromFile, quint8 panel,
                                                                         const QBitArray &loops, int layoutKind)
    : SC_SerialisationServiceReqPkt(RequestType, fromFile, panel, layoutKind,
                                    SC_RequestFields().u8(1).append(loopSet(loops)))
{
}

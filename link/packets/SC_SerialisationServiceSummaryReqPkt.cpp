#include "link/packets/SC_SerialisationServiceSummaryReqPkt.h"

SC_SerialisationServiceSummaryReqPkt::SC_SerialisationServiceSummaryReqPkt(int fromFile, quint8 panel, quint8 loop,
                                                                           int layoutKind)
    : SC_SerialisationServiceReqPkt(RequestType, fromFile, panel, layoutKind, SC_RequestFields().u8(loop))
{
}

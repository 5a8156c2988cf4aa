#include "link/packets/SC_PointLogRecordReqPkt.h"

SC_PointLogRecordReqPkt::SC_PointLogRecordReqPkt(quint8 panel, quint8 record, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(record), SubCode, SC_RequestAddress{layoutKind, panel, true})
{
}

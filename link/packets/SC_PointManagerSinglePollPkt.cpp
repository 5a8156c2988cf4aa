#include "link/packets/SC_PointManagerSinglePollPkt.h"

namespace {

SC_RequestFields fields(int subCode, quint8 loop, quint8 point)
{
    SC_RequestFields fields;
    fields.u8(loop);
    if (subCode == SC_PointManagerSinglePollPkt::StartSubCode)
        fields.u8(point);
    return fields;
}

} // namespace

SC_PointManagerSinglePollPkt::SC_PointManagerSinglePollPkt(int subCode, quint8 panel, quint8 loop, quint8 point,
                                                           bool acknowledgeRequest, int layoutKind)
    : SC_RequestPacket(fields(subCode, loop, point), subCode, SC_RequestAddress{layoutKind, panel, acknowledgeRequest})
{
}

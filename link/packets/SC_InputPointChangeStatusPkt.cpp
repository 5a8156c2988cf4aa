#include "link/packets/SC_InputPointChangeStatusPkt.h"

namespace {

SC_RequestFields fieldsOf(const QVector<SC_InputPointChangeStatusPkt::Change> &changes)
{
    SC_RequestFields fields;
    for (const SC_InputPointChangeStatusPkt::Change &change : changes)
        fields.u8(change.group).u8(change.input);
    return fields;
}

} // namespace

SC_InputPointChangeStatusPkt::SC_InputPointChangeStatusPkt(const QVector<Change> &changes,
                                                           const SC_RequestAddress &address)
    : SC_RequestPacket(fieldsOf(changes), requestHeader(FunctionCode, address))
{
}

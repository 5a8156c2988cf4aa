#include "link/packets/SC_RequestDiagnosticsPkt.h"

namespace {

SC_RequestFields fieldsOf(SC_RequestDiagnosticsPkt::Request request, quint8 node, bool reset)
{
    SC_RequestFields fields;
    fields.u8(request);
    if (request == SC_RequestDiagnosticsPkt::RbusCommsStats)
        fields.u8(1).u8(node).u8(reset ? 1 : 0);
    return fields;
}

} // namespace

SC_RequestDiagnosticsPkt::SC_RequestDiagnosticsPkt(Request request, quint8 panel, quint8 node, bool reset,
                                                   int layoutKind)
    : SC_RequestPacket(fieldsOf(request, node, reset), SubCode, SC_RequestAddress{layoutKind, panel, true})
{
}

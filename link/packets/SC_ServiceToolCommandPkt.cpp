#include "link/packets/SC_ServiceToolCommandPkt.h"

namespace {

constexpr quint8 FirstCommandWithArgument = 2;

SC_RequestFields fieldsOf(quint8 command, quint8 argument, quint8 languageSlot)
{
    SC_RequestFields fields;
    fields.u8(command);
    if (command >= FirstCommandWithArgument)
        fields.u8(argument).u8(languageSlot);
    return fields;
}

} // namespace

SC_ServiceToolCommandPkt::SC_ServiceToolCommandPkt(quint8 command, quint8 argument, quint8 languageSlot, int layoutKind,
                                                   bool acknowledgeRequest)
    : SC_RequestPacket(fieldsOf(command, argument, languageSlot), ServiceTool,
                       SC_RequestAddress{layoutKind, 0, acknowledgeRequest})
{
}

#include "link/packets/SC_PrintReportBasePkt.h"

#include "core/ChannelConversion.h"

SC_PrintReportBasePkt::SC_PrintReportBasePkt(quint8 reportType, const Target &target, const SC_RequestFields &ownFields)
    : SC_RequestPacket(
        SC_RequestFields().u8(reportType).u8(target.printer).u8(target.parameter).repeat(3, 0).append(ownFields),
        requestHeader(FunctionCode, {target.layoutKind, target.node, target.acknowledgeRequest}))
{
}

SC_RequestFields SC_PrintReportBasePkt::channelFields(quint8 channelKind, quint8 channelAddress, int layoutKind)
{
    const auto channel = channelToLayout(channelKind, channelAddress, layoutKind);
    return SC_RequestFields().u8(channel.first).u8(channel.second);
}

SC_RequestFields SC_PrintReportBasePkt::deviceListFields(quint8 channelKind, quint8 channelAddress,
                                                         const std::array<quint8, 5> &values, const Target &target)
{
    SC_RequestFields fields;
    fields.u8(target.node).append(channelFields(channelKind, channelAddress, target.layoutKind));
    for (const quint8 value : values)
        fields.u8(value);
    return fields;
}

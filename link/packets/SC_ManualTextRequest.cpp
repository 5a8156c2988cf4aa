#include "link/packets/SC_ManualTextRequest.h"

#include "core/ChannelConversion.h"

namespace {

quint8 languageByte(int language)
{
    return language == 1 ? 0 : 1;
}

SC_RequestFields pointFields(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                             quint8 point, int language, int layoutKind)
{
    const auto channel = channelToLayout(channelKind, channelAddress, layoutKind);
    return SC_RequestFields()
        .u8(panel)
        .u8(1)
        .u8(channel.first)
        .u8(channel.second)
        .u8(channelNumber)
        .u8(point)
        .u8(0)
        .u8(0)
        .u8(languageByte(language));
}

SC_RequestFields zoneFields(quint8 panel, quint8 zone, int language)
{
    return SC_RequestFields().u8(panel).repeat(5, 0).u8(1).u8(zone).u8(languageByte(language));
}

} // namespace

SC_ManualTextRequest::SC_ManualTextRequest(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                           quint8 channelNumber, quint8 point, int language, int layoutKind)
    : SC_RequestPacket(pointFields(panel, channelKind, channelAddress, channelNumber, point, language, layoutKind),
                       requestHeader(FunctionCode, {layoutKind, 0, true}))
{
}

SC_ManualTextRequest::SC_ManualTextRequest(quint8 panel, quint8 zone, int language, int layoutKind)
    : SC_RequestPacket(zoneFields(panel, zone, language), requestHeader(FunctionCode, {layoutKind, 0, true}))
{
}

#include "link/packets/SC_PointInformationPacket.h"

#include "core/ChannelConversion.h"

namespace {

SC_RequestFields fieldsOf(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point,
                          bool wholeChannel, int layoutKind)
{
    const auto channel = channelToLayout(channelKind, channelAddress, layoutKind);
    return SC_RequestFields()
        .u8(panel)
        .u8(channel.first)
        .u8(channel.second)
        .u8(channelNumber)
        .u8(point)
        .u8(0xFD)
        .u8(0xFE)
        .u8(0x00)
        .u16(1)
        .u8(3)
        .u8(0)
        .u8(0)
        .u8(3)
        .repeat(30, 0xFF)
        .u8(0x01)
        .u8(0x7F)
        .u8(wholeChannel ? 193 : 192)
        .u8(wholeChannel ? 28 : 10);
}

} // namespace

SC_PointInformationPacket::SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                                     quint8 channelNumber, int layoutKind)
    : SC_PointInformationPacket(panel, channelKind, channelAddress, channelNumber, WholeChannel, true, layoutKind)
{
}

SC_PointInformationPacket::SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                                     quint8 channelNumber, quint8 point, int layoutKind)
    : SC_PointInformationPacket(panel, channelKind, channelAddress, channelNumber, point, false, layoutKind)
{
}

SC_PointInformationPacket::SC_PointInformationPacket(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                                     quint8 channelNumber, quint8 point, bool wholeChannel,
                                                     int layoutKind)
    : SC_RequestPacket(fieldsOf(panel, channelKind, channelAddress, channelNumber, point, wholeChannel, layoutKind),
                       requestHeader(FunctionCode, {layoutKind, panel}))
{
}

#include "link/packets/SC_AcceptLogEventPacket.h"

#include "core/ChannelConversion.h"

namespace {

constexpr quint8 Terminator = 254;

} // namespace

SC_AcceptLogEventPacket::SC_AcceptLogEventPacket(const Event &event, const SC_RequestAddress &address)
    : SC_LkSpeakBasePacket(requestHeader(FunctionCode, address))
    , m_event(event)
{
}

void SC_AcceptLogEventPacket::handlePacketData()
{
}

void SC_AcceptLogEventPacket::serialise()
{
    SC_PacketBuffer &bytes = *buffer();
    QPair<quint8, quint8> channel(m_event.channel, m_event.channelAddress);
    if (layoutKind() == 0)
        channel = channelAddressToNumerical(m_event.channel, m_event.channelAddress);
    bytes.appendByte(m_event.node);
    bytes.appendByte(channel.first);
    bytes.appendByte(channel.second);
    bytes.appendUInt16(m_event.seqNo);
    bytes.appendUInt16(m_event.eventCode);
    bytes.appendUInt16(m_event.clientId);
    bytes.appendByte(Terminator);
    bytes.writeLength();
}

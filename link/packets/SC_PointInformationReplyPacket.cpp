#include "link/packets/SC_PointInformationReplyPacket.h"

#include "core/ChannelConversion.h"
#include "link/SyncClient.h"

SC_PointInformationReplyPacket::SC_PointInformationReplyPacket(const QSharedPointer<SC_PacketBuffer> &received,
                                                               SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_client(client)
{
    readFixedPart();
    readOptionalParts();
}

void SC_PointInformationReplyPacket::readFixedPart()
{
    SC_PacketBuffer &bytes = *buffer();
    PointValueDetails &v = m_values;
    m_replyStatus = bytes.readUInt8();
    v.statusBits = bytes.readUInt8();
    m_point.panel = bytes.readUInt8();
    const quint8 first = bytes.readUInt8();
    const quint8 second = bytes.readUInt8();
    const auto channel = channelFromLayout(first, second, layoutKind());
    m_point.channelKind = channel.first;
    m_point.channelAddress = channel.second;
    m_point.channelNumber = bytes.readUInt8();
    m_point.point = bytes.readUInt8();
    v.value1 = bytes.readUInt8();
    v.value2 = bytes.readUInt8();
    v.configuredDeviceType = bytes.readUInt8();
    v.capabilityBits = bytes.readUInt8();
    v.value3 = bytes.readUInt16();
    for (quint8 &value : v.values4to8)
        value = bytes.readUInt8();
    v.detectedDeviceType = bytes.readUInt8();
    for (int number = 1; number <= 22; ++number)
        v.setByte(number, bytes.readUInt8());
    v.nextPointCursor = bytes.readUInt16();
    v.value9 = bytes.readUInt16();
    v.value10 = bytes.readUInt16();
    v.value11 = bytes.readUInt8();
    v.value12 = bytes.readUInt8();
    v.value13 = bytes.readUInt32();
    v.value14 = bytes.readUInt32();
    for (int number = 23; number <= 28; ++number)
        v.setByte(number, bytes.readUInt8());
    v.deviceDate = bytes.readUInt32();
}

bool SC_PointInformationReplyPacket::lengthCoversMore() const
{
    return quint32(buffer()->readOffset()) < length();
}

void SC_PointInformationReplyPacket::readOptionalParts()
{
    SC_PacketBuffer &bytes = *buffer();
    PointValueDetails &v = m_values;
    if (length() > quint32(bytes.headerLength() + FixedPayload)) {
        v.extensionPresent = 1;
        for (PointValueDetails::AnalogueReading &reading : v.extension) {
            reading.decimals = bytes.readUInt8();
            reading.reading = bytes.readUInt32();
        }
    }
    if (lengthCoversMore()) {
        v.testDateFlags = bytes.readUInt8();
        v.testDate = bytes.readUInt32();
    }
    if (lengthCoversMore()) {
        for (quint32 &serial : v.serialNumbers)
            serial = bytes.readUInt32();
    }
}

void SC_PointInformationReplyPacket::handlePacketData()
{
    emit m_client->PointInformationValues(m_point, m_values, m_replyStatus);
}

void SC_PointInformationReplyPacket::serialise()
{
    buffer()->writeLength();
}

#include "link/packets/SC_EventLogDataPacket.h"

#include "core/ChannelConversion.h"

SC_EventLogDataPacket::SC_EventLogDataPacket(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
{
    SC_PacketBuffer &bytes = *buffer();
    EventLog::EventData &r = m_record;
    r.node = bytes.readUInt8();
    const quint8 first = bytes.readUInt8();
    const quint8 second = bytes.readUInt8();
    if (layoutKind() == 1) {
        r.channel = first;
        r.channelAddr = second;
    } else {
        const QPair<quint8, quint8> channel = numericalToChannelAddress(first, second);
        r.channel = channel.first;
        r.channelAddr = channel.second;
    }
    r.pointCat = bytes.readUInt8();
    r.pointNum = bytes.readUInt8();
    r.logicalPointNum = bytes.readUInt8();
    r.logicalPointZone = bytes.readUInt8();
    r.deviceType = bytes.readUInt8();
    r.eventCode = bytes.readUInt16();
    r.seqNo = bytes.readUInt16();
    r.zone = bytes.readUInt8();
    r.sector = bytes.readUInt8();
    r.timeAndDate = bytes.readUInt32();
    r.priority = bytes.readUInt8();
    r.stdPriority = bytes.readUInt8();
    r.eventCat = bytes.readUInt8();
    r.statusBits = bytes.readUInt8();
    r.acceptStatus = bytes.readUInt8();
    r.pointBits = bytes.readUInt8();
    r.clientID = bytes.readUInt16();
    r.totalNoEvents = bytes.readUInt16();
    r.eventPosTotal = bytes.readUInt16();
    r.extDataProvided = bytes.readUInt8();
    r.infoTextID = r.extDataProvided == InfoTextFollows ? bytes.readUInt8() : NoInfoText;
}

void SC_EventLogDataPacket::handlePacketData()
{
}

void SC_EventLogDataPacket::serialise()
{
}

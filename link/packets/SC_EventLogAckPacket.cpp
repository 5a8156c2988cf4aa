#include "link/packets/SC_EventLogAckPacket.h"

#include "link/SyncClient.h"

#include <QDebug>

SC_EventLogAckPacket::SC_EventLogAckPacket(const Fields &fields, const SC_RequestAddress &address)
    : SC_EventLogAckPacket(fields, requestHeader(FunctionCode, address))
{
}

SC_EventLogAckPacket::SC_EventLogAckPacket(const Fields &fields, const SC_LkSpeakHeader &replyHeader)
    : SC_LkSpeakBasePacket(replyHeader)
    , m_fields(fields)
{
}

SC_EventLogAckPacket::SC_EventLogAckPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_fields.clientId = bytes.readUInt16();
    m_fields.sequenceNumber = bytes.readUInt16();
    m_fields.status = bytes.readUInt8();
    m_fields.ackType = bytes.readUInt8();
}

void SC_EventLogAckPacket::handlePacketData()
{
    switch (m_fields.ackType) {
    case NoAction:
        return;
    case AcknowledgeEvents:
        m_client->setEventAckEnabled(true);
        return;
    default:
        qWarning() << "Bad EventLog Ack received (" << int(m_fields.ackType) << ")"
                   << "SC_EventLogAckPacket::handlePacketData";
    }
}

void SC_EventLogAckPacket::serialise()
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.appendUInt16(m_fields.clientId);
    bytes.appendUInt16(m_fields.sequenceNumber);
    bytes.appendByte(m_fields.status);
    bytes.appendByte(m_fields.ackType);
    bytes.writeLength();
}

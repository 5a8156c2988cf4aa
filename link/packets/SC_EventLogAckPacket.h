#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

#include <QMetaType>
#include <QSharedPointer>

class SyncClient;

// An acknowledgement of the controller's event-log service (function code
// 146), both ways. Payload: client id (u16), sequence number (u16), status,
// ack type.
//
// Ack types: 0 registration accepted (the client id is the new historic
// client's), 1 registration acknowledged, 2 de-registration confirmed,
// 3 data acknowledged, 4 and 12 end of a historic transfer, 13 nothing to
// do, 14 re-synchronisation asked for, 15 acknowledge events from now on,
// 16 accepted events noted.
class SC_EventLogAckPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::EventLogAck;
    static constexpr int PayloadLength = 6;

    enum AckType : quint8 {
        RegistrationAccepted = 0,
        RegistrationAck = 1,
        DeRegistrationConfirmed = 2,
        DataAck = 3,
        NoAction = 13,
        ReSyncRequest = 14,
        AcknowledgeEvents = 15,
        AcceptedEventsAck = 16,
    };

    struct Fields
    {
        quint16 clientId;
        quint16 sequenceNumber;
        quint8 status;
        quint8 ackType;
    };

    SC_EventLogAckPacket(const Fields &fields, const SC_RequestAddress &address);
    // An answer to a received packet, on the header the caller made for it.
    SC_EventLogAckPacket(const Fields &fields, const SC_LkSpeakHeader &replyHeader);
    SC_EventLogAckPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const Fields &fields() const { return m_fields; }
    quint16 clientId() const { return m_fields.clientId; }
    quint16 sequenceNumber() const { return m_fields.sequenceNumber; }
    quint8 status() const { return m_fields.status; }
    quint8 ackType() const { return m_fields.ackType; }

    void handlePacketData() override;
    void serialise() override;

private:
    Fields m_fields;
    SyncClient *m_client = nullptr;
};

using SC_ELAckPacketPtr = QSharedPointer<SC_EventLogAckPacket>;
using SC_ELConstAckPacketPtr = QSharedPointer<const SC_EventLogAckPacket>;

Q_DECLARE_METATYPE(SC_ELAckPacketPtr)
Q_DECLARE_METATYPE(SC_ELConstAckPacketPtr)

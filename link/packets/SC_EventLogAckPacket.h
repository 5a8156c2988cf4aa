#pragma once

#include "link/SC_LkSpeakBasePacket.h"

// An acknowledgement of the controller's event-log service (function code
// 146). Payload: client id (u16), sequence number (u16), status, ack type.
class SC_EventLogAckPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = 146;

    struct Fields
    {
        quint16 clientId;
        quint16 sequenceNumber;
        quint8 status;
        quint8 ackType;
    };

    SC_EventLogAckPacket(const Fields &fields, const SC_RequestAddress &address);

    void handlePacketData() override;
    void serialise() override;

private:
    Fields m_fields;
};

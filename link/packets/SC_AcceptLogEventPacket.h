#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// The operator accepted an event (function code 141). Payload: node,
// channel, channel address, sequence number (u16), event code (u16), client
// id (u16), 254. In header layout 0 the channel travels in its numerical
// form.
class SC_AcceptLogEventPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::AcceptLogEvent;

    struct Event
    {
        quint8 node;
        quint8 channel;
        quint8 channelAddress;
        quint16 seqNo;
        quint16 eventCode;
        quint16 clientId;
    };

    SC_AcceptLogEventPacket(const Event &event, const SC_RequestAddress &address);

    void handlePacketData() override;
    void serialise() override;

private:
    Event m_event;
};

#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// Ends a historic client's registration (function code 143). Payload: the
// client id (u16).
class SC_EventLogDeRegistrationReqPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::EventLogDeRegistration;

    SC_EventLogDeRegistrationReqPkt(quint16 clientId, const SC_RequestAddress &address);

    void handlePacketData() override;
    void serialise() override;

private:
    quint16 m_clientId;
};

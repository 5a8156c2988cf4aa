#pragma once

#include "eventlog/RegistrationFilter.h"
#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// Registers a historic client with the controller's event-log service
// (function code 142). Payload (26 bytes): 1, the four registration values
// (u8, u16, u8, u8), the filter block (six bytes, three u16, two bytes, two
// u16), then a u16 0.
class SC_EventLogRegistrationReqPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::EventLogRegistration;

    struct Values
    {
        quint8 first;
        quint16 second;
        quint8 third;
        quint8 fourth;
    };

    SC_EventLogRegistrationReqPkt(const Values &values, const EventLog::RegistrationFilter &filter,
                                  const SC_RequestAddress &address);

    void handlePacketData() override;
    void serialise() override;

private:
    Values m_values;
    EventLog::RegistrationFilter m_filter;
};

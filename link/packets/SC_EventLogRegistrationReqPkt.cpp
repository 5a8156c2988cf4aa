#include "link/packets/SC_EventLogRegistrationReqPkt.h"

namespace {

constexpr quint8 Leading = 1;

} // namespace

SC_EventLogRegistrationReqPkt::SC_EventLogRegistrationReqPkt(const Values &values,
                                                             const EventLog::RegistrationFilter &filter,
                                                             const SC_RequestAddress &address)
    : SC_LkSpeakBasePacket(requestHeader(FunctionCode, address))
    , m_values(values)
    , m_filter(filter)
{
}

void SC_EventLogRegistrationReqPkt::handlePacketData()
{
}

void SC_EventLogRegistrationReqPkt::serialise()
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.appendByte(Leading);
    bytes.appendByte(m_values.first);
    bytes.appendUInt16(m_values.second);
    bytes.appendByte(m_values.third);
    bytes.appendByte(m_values.fourth);
    for (quint8 value : m_filter.leadingBytes)
        bytes.appendByte(value);
    for (quint16 value : m_filter.firstWords)
        bytes.appendUInt16(value);
    for (quint8 value : m_filter.middleBytes)
        bytes.appendByte(value);
    for (quint16 value : m_filter.lastWords)
        bytes.appendUInt16(value);
    bytes.appendUInt16(0);
    bytes.writeLength();
}

#pragma once

#include "link/packets/SC_EventLogDataPacket.h"

#include <QEvent>

namespace LkSpeak {
namespace EventLog {

// Carries one historic data packet from its parse to its listeners through
// the event loop.
class EmitHistoricalDataReceivedEvent final : public QEvent
{
public:
    explicit EmitHistoricalDataReceivedEvent(const SC_ELConstDataPacketPtr &data);

    // Registered once per process.
    static QEvent::Type eventType();

    const SC_ELConstDataPacketPtr &data() const { return m_data; }

private:
    SC_ELConstDataPacketPtr m_data;
};

} // namespace EventLog
} // namespace LkSpeak

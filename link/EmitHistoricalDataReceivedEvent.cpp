#include "link/EmitHistoricalDataReceivedEvent.h"

namespace LkSpeak {
namespace EventLog {

EmitHistoricalDataReceivedEvent::EmitHistoricalDataReceivedEvent(const SC_ELConstDataPacketPtr &data)
    : QEvent(eventType())
    , m_data(data)
{
}

QEvent::Type EmitHistoricalDataReceivedEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType(1004));
    return type;
}

} // namespace EventLog
} // namespace LkSpeak

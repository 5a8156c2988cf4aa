#include "link/HistoricalDataReceivedEmitter.h"

#include "link/EmitHistoricalDataReceivedEvent.h"
#include "link/sc_LkEventLog.h"

#include <QCoreApplication>

namespace LkSpeak {
namespace EventLog {

namespace {

// Behind the events of normal priority, so the link's other work of the
// moment is done first.
constexpr int Priority = -2;

} // namespace

HistoricalDataReceivedEmitter::HistoricalDataReceivedEmitter(sc_LkEventLog *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void HistoricalDataReceivedEmitter::postHistoricalData(const SC_ELConstDataPacketPtr &data)
{
    QCoreApplication::postEvent(this, new EmitHistoricalDataReceivedEvent(data), Priority);
}

bool HistoricalDataReceivedEmitter::event(QEvent *event)
{
    if (event->type() != EmitHistoricalDataReceivedEvent::eventType())
        return QObject::event(event);
    const SC_ELConstDataPacketPtr &data = static_cast<EmitHistoricalDataReceivedEvent *>(event)->data();
    emit m_owner->historicalDataReceived(data->record(), QVariant::fromValue(data));
    return true;
}

} // namespace EventLog
} // namespace LkSpeak

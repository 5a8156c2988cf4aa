#pragma once

#include "link/packets/SC_EventLogDataPacket.h"

#include <QObject>

class sc_LkEventLog;

namespace LkSpeak {
namespace EventLog {

// Hands historic data to the event-log client's listeners from the event
// loop, after the packet's own handling has returned, in the order the
// packets came.
class HistoricalDataReceivedEmitter final : public QObject
{
    Q_OBJECT

public:
    explicit HistoricalDataReceivedEmitter(sc_LkEventLog *owner);

    void postHistoricalData(const SC_ELConstDataPacketPtr &data);

protected:
    bool event(QEvent *event) override;

private:
    sc_LkEventLog *m_owner;
};

} // namespace EventLog
} // namespace LkSpeak

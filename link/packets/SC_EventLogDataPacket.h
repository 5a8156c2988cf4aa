#pragma once

#include "eventlog/EventData.h"
#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

#include <QMetaType>
#include <QSharedPointer>

// One event of the controller's log (function code 139), parsed by the
// constructor and acted on by the event-log client. Payload:
//   0 node | 1-2 channel, channel address | 3 point category | 4 point |
//   5 logical point | 6 logical point zone | 7 device type |
//   8-9 event code | 10-11 sequence number | 12 zone | 13 sector |
//   14-17 panel time | 18 priority | 19 standard priority | 20 category |
//   21 status bits | 22 accept status | 23 point bits | 24-25 client id |
//   26-27 events in the log | 28-29 position in the log |
//   30 extended data kind | 31 information text id, only when 30 is 4
// In header layout 0 the channel travels in its numerical form.
class SC_EventLogDataPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::EventLogData;
    static constexpr int MinimumPayload = 31;
    static constexpr quint8 InfoTextFollows = 4;
    static constexpr quint8 NoInfoText = 255;

    explicit SC_EventLogDataPacket(const QSharedPointer<SC_PacketBuffer> &received);

    const EventLog::EventData &record() const { return m_record; }

    // The client acts on the record; there is nothing to send.
    void handlePacketData() override;
    void serialise() override;

private:
    EventLog::EventData m_record;
};

namespace LkSpeak {
using SC_ELDataPacketPtr = QSharedPointer<SC_EventLogDataPacket>;
using SC_ELConstDataPacketPtr = QSharedPointer<const SC_EventLogDataPacket>;
} // namespace LkSpeak

Q_DECLARE_METATYPE(LkSpeak::SC_ELDataPacketPtr)
Q_DECLARE_METATYPE(LkSpeak::SC_ELConstDataPacketPtr)

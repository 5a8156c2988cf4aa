#pragma once

#include "eventlog/EL_EventLogDBbase.h"

// The event log of a busy site, for the benchmarks that read it.
namespace FullEventLog {

constexpr int Size = EL_EventLogDBbase::MaxEvents;
// Panel time of 2024-01-01 00:00 UTC.
constexpr quint32 PanelStart = 1009843200;

// A spread of events like a busy site's: every category the lists filter
// on, 100 panels, one event a minute.
inline EventLog::EventData siteEvent(int index)
{
    static const quint8 categories[] = {4, 8, 3, 4, 1, 6, 4, 2, 15, 4};
    EventLog::EventData event;
    event.seqNo = EventLog::SeqNum_t(index);
    event.node = quint8(index % 100);
    event.pointNum = quint8(index / 100);
    event.channelAddr = 1;
    event.zone = quint8(index % 241);
    event.eventCat = categories[index % 10];
    event.statusBits = (index % 7 == 0) ? 1 : 0;
    event.acceptStatus = quint8(1 + index % 3);
    event.eventCode = 100;
    event.timeAndDate = PanelStart + quint32(index) * 60;
    return event;
}

inline EL_EventLogDBbase *empty()
{
    EL_EventLogDBbase::destroyInstance();
    return EL_EventLogDBbase::instance();
}

// As a historic synchronisation leaves it: Size events, the oldest first.
inline EL_EventLogDBbase *full()
{
    EL_EventLogDBbase *db = empty();
    for (int i = 1; i <= Size; ++i) {
        const EventLog::EventData event = siteEvent(i);
        db->insertData(&event, false);
    }
    return db;
}

} // namespace FullEventLog

#pragma once

#include "eventlog/SyncClock.h"

#include <QList>
#include <QPointer>

namespace EventLog {
class SyncTimer;
}

// A clock that moves only when the test advances it: its timers fire in
// deadline order, with posted events delivered after each one, as the
// event loop would.
class ManualSyncClock final : public EventLog::SyncClock
{
public:
    EventLog::SyncTimer *createTimer(bool singleShot, QObject *parent) override;

    void advance(qint64 msec);
    qint64 now() const { return m_now; }

private:
    QList<QPointer<EventLog::SyncTimer>> m_timers;
    qint64 m_now = 0;
};

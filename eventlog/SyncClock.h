#pragma once

class QObject;

namespace EventLog {

class SyncTimer;

// Where the historic synchroniser gets its timers, so that its 45 s, 60 s
// and 30 s waits can be driven by a test clock.
class SyncClock
{
public:
    virtual ~SyncClock() = default;

    virtual SyncTimer *createTimer(bool singleShot, QObject *parent) = 0;

    // Real time, through QTimer.
    static SyncClock *system();
};

} // namespace EventLog

#include "eventlog/SyncClock.h"

#include "eventlog/SyncTimer.h"

#include <QTimer>

namespace EventLog {

namespace {

class QtSyncTimer final : public SyncTimer
{
public:
    QtSyncTimer(bool singleShot, QObject *parent) : SyncTimer(parent)
    {
        m_timer.setSingleShot(singleShot);
        connect(&m_timer, &QTimer::timeout, this, &SyncTimer::timeout);
    }

    void start(int msec) override { m_timer.start(msec); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class SystemClock final : public SyncClock
{
public:
    SyncTimer *createTimer(bool singleShot, QObject *parent) override { return new QtSyncTimer(singleShot, parent); }
};

} // namespace

SyncClock *SyncClock::system()
{
    static SystemClock clock;
    return &clock;
}

} // namespace EventLog

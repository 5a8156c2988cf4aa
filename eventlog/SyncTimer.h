#pragma once

#include <QObject>

namespace EventLog {

// A timer of the historic synchroniser, made by its SyncClock: a Qt timer
// in the engine, one driven by hand in tests.
class SyncTimer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void start(int msec) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void timeout();
};

} // namespace EventLog

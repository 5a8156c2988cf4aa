#pragma once

#include <QObject>

#include <functional>

// The timers of the link and its clients (heartbeat supervision, the
// supervision answer, the investigate-delay tick). They are made through
// create(), so a test can install a factory of timers driven by a fake clock
// and check every time-out to the millisecond without waiting.
class SC_Timer : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<SC_Timer *(QObject *parent)>;

    static SC_Timer *create(QObject *parent);
    // An empty factory restores real timers.
    static void setFactory(Factory factory);

    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;

signals:
    void timeout();

protected:
    explicit SC_Timer(QObject *parent);
};

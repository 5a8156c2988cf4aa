#pragma once

#include <QObject>

#include <functional>

// Every timer of the engine. They are made through create(), so a test can
// install a factory of timers driven by a fake clock and check every
// time-out to the millisecond without waiting. Like QTimer, a timer keeps
// its interval: start() without one restarts it with the last.
class SC_Timer : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<SC_Timer *(QObject *parent)>;

    static SC_Timer *create(QObject *parent);
    // An empty factory restores real timers.
    static void setFactory(Factory factory);

    // Starts, or restarts, the interval from now.
    void start();
    void start(int milliseconds);
    // A running timer restarts with the new interval.
    void setInterval(int milliseconds);
    int interval() const { return m_interval; }

    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;

signals:
    void timeout();

protected:
    explicit SC_Timer(QObject *parent);

    // Runs the timer, due the milliseconds from now, then every interval
    // unless it is single-shot.
    virtual void arm(int milliseconds) = 0;

private:
    int m_interval = 0;
};

#pragma once

#include <QObject>

class SC_Timer;

// Turns a burst of signals into one: signalReady() follows a fixed delay
// after the first signal of the burst; the others are absorbed.
class DelaySignal final : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultDelayMs = 3000;

    explicit DelaySignal(QObject *parent = nullptr);

    bool connectReady(const QObject *receiver, const char *member);
    bool connectDelayed(const QObject *sender, const char *signal, const QObject *receiver, const char *member,
                        int delayMs);

    int delay() const;

public slots:
    void signalReceived();

signals:
    void signalReady();

private:
    SC_Timer *m_timer;
};

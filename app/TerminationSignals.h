#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a request to end the main loop, so that a
// host shutting the engine down (or Ctrl-C) runs the ordered shut-down
// instead of killing the engine mid-write. One instance per process.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Runs the main loop until a termination request; a request that came
    // before (while the start-up waited in a loop of its own) ends it at once
    // with 0.
    int exec();

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
    bool m_inMainLoop = false;
};

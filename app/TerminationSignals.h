#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a quit of the main loop, so that a host
// shutting the engine down (or Ctrl-C) runs the ordered shut-down instead of
// killing the engine mid-write. One instance per process.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

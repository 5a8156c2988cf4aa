#pragma once

#include <QObject>
#include <QString>

class SC_Timer;

// Keeps the host's watchdog from acting while the main loop runs: registers a
// named timer with the watchdog service, then sends it a keep-alive at once
// and every prod interval. No reply is awaited; without a bus or a service
// the messages are lost and the engine runs on.
class WatchdogProdder final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ProdInterval = 5000;

    WatchdogProdder(const QString &name, int firstValue, int secondValue, int prodInterval = ProdInterval);

    int prodInterval() const;

public slots:
    void kick();

private:
    void send(const char *method) const;

    SC_Timer *m_prodTimer;
    const QString m_name;
    const int m_firstValue;
    const int m_secondValue;
};

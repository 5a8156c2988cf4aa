#pragma once

#include <QProcess>
#include <QStringList>

// The host-services stand-in as a child process: every call the engine makes
// to a host service is one recorded line ("call svc.watchdog keepAlive ...").
class HostServicesProcess final : public QObject
{
    Q_OBJECT

public:
    HostServicesProcess();
    ~HostServicesProcess() override;

    // Starts it and waits until it owns every service name.
    bool start();

    QStringList lines() const { return m_lines; }
    // Waits until a line that starts with the text has arrived; its index in
    // lines(), or -1 after the time-out.
    int waitForLine(const QString &start, int timeoutMs = 30000);
    void clear() { m_lines.clear(); }

    // Sends one command ("emit svc.swiss silentStatus true") and waits for
    // its answer line ("emitted ..." or "error ...").
    QString command(const QString &line);

private:
    void readLines();
    int indexOf(const QString &start) const;

    QProcess m_process;
    QStringList m_lines;
    QByteArray m_pending;
};

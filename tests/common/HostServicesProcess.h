#pragma once

#include "LineProcess.h"

#include <QStringList>

// The host-services stand-in as a child process: every call the engine makes
// to a host service is one recorded line ("call svc.watchdog keepAlive ...").
class HostServicesProcess final
{
public:
    // Starts it and waits until it owns every service name; with a port it
    // also plays the panel front of the engine on that port.
    bool start(quint16 frontPanelPort = 0);
    void stop() { m_process.stop(); }

    QStringList lines() const { return m_process.lines(); }
    // Waits until a line that starts with the text has arrived; its index in
    // lines(), or -1 after the time-out.
    int waitForLine(const QString &start, int timeoutMs = 30000) { return m_process.waitForLine(start, 0, timeoutMs); }
    void clear() { m_process.clear(); }

    // Sends one command ("emit svc.swiss silentStatus true") and waits for
    // its answer line ("emitted ..." or "error ...").
    QString command(const QString &line);

private:
    LineProcess m_process;
};

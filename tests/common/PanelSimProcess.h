#pragma once

#include "LineProcess.h"

// The controller emulator as a child process, connected to an engine port.
// Commands go to its standard input; each event it sees is one line
// ("heartbeat-answer 1", "connection-response ok key=").
class PanelSimProcess final
{
public:
    bool start(quint16 port, const QStringList &arguments = {});
    void stop() { m_process.stop(); }

    void command(const QString &line) { m_process.write(line); }
    int waitForLine(const QString &start, int from = 0, int timeoutMs = 30000)
    {
        return m_process.waitForLine(start, from, timeoutMs);
    }
    // The same with this process's events handled meanwhile, for a test
    // that runs the engine's link in its own process.
    int waitForLineWithEvents(const QString &start, int from = 0, int timeoutMs = 30000);
    int count(const QString &start) const { return m_process.count(start); }
    QStringList lines() const { return m_process.lines(); }
    int lineCount() const { return m_process.lines().size(); }

private:
    LineProcess m_process;
};

#pragma once

#include "PanelSimProcess.h"
#include "link/SC_EthernetLinkLayerFactory.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

// The engine's link and protocol client in the test's own process, on a
// loopback port, with the controller emulator at the other end. Every link
// and client time-out runs timeScale times faster. The engine lives on this
// thread, so waiting for the emulator keeps the event loop turning.
class InProcessLink final
{
public:
    static constexpr int WaitMs = 30000;

    // The engine's timers run timeScale times faster, except the link's
    // heartbeat supervision, which runs supervisionScale times faster: a
    // tenth of it is shorter than the pauses a loaded machine gives the
    // screen thread, so only a test of the supervision itself speeds it up.
    explicit InProcessLink(int timeScale, int heartbeatMs = 300, int supervisionScale = 1);
    ~InProcessLink();
    InProcessLink(const InProcessLink &) = delete;
    InProcessLink &operator=(const InProcessLink &) = delete;

    // Starts the link and the emulator; true once the link is up.
    bool start();

    void command(const QString &line);
    // The index of the first line from 'from' on that starts with the text;
    // -1 after the wait, with the emulator's last lines in the log.
    int waitForLine(const QString &start, int from = 0);
    bool said(const QString &start, int from = 0) { return waitForLine(start, from) >= 0; }
    int lineCount() const;
    QStringList lines() const;
    int count(const QString &start) const;

private:
    QTemporaryDir m_directory;
    QString m_previousDirectory;
    int m_heartbeatMs;
    QThread m_linkThread;
    SC_EthernetLinkLayerFactory m_link;
    std::unique_ptr<PanelSimProcess> m_controller;
};

#pragma once

#include "PanelSimProcess.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class SC_Ethernet;
class SC_LinkLayer;

// The engine's link in the test's own process and on its thread, with
// panelsim at the other end of a loopback connection and the link's timers at
// their real intervals (tests/link's InProcessLink runs the link on a thread
// of its own, its timers sped up). The sync client answers the controller
// through its page table and fills the state store; what else the test wires
// to it is the test's. Ends panelsim first, then the link and its transport.
class SameThreadLink final
{
public:
    static constexpr int Timeout = 30000;

    SameThreadLink();
    ~SameThreadLink();
    SameThreadLink(const SameThreadLink &) = delete;
    SameThreadLink &operator=(const SameThreadLink &) = delete;

    // Starts the link on a free port and panelsim against it; true once
    // panelsim reports the connection.
    bool connect(const QStringList &panelsimArguments = {});
    // Asks panelsim for two heartbeats; true once it reports an answer.
    bool heartbeatAnswered();
    // Forgets every panel's points, has panelsim send its site and waits
    // until the engine holds as many points of the panel as panelsim counts.
    bool receiveSite(quint8 panel);
    // panelsim's line naming the points it holds disabled on a panel
    // ("disabled panel=1 points=0"); empty when none comes.
    QString disabledPoints(quint8 panel);

    PanelSimProcess &controller() { return m_controller; }
    // The first line from 'from' on that starts with the text, the event loop
    // running meanwhile; -1, with panelsim's lines printed, when none comes.
    int waitForLine(const QString &start, int from = 0);

private:
    PanelSimProcess m_controller;
    std::unique_ptr<SC_Ethernet> m_transport;
    std::unique_ptr<SC_LinkLayer> m_link;
};

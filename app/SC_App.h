#pragma once

#include "link/SC_EthernetLinkLayerFactory.h"

#include <QObject>

class QThread;
class Supervisor;
class SyncClient;

// Owns the panel link: starts the link thread with the transport and the
// link layer on it, wires them to the protocol client on the GUI thread,
// and takes them down again.
class SC_App final : public QObject
{
    Q_OBJECT

public:
    static constexpr int LinkThreadStopMs = 2000;

    SC_App();
    ~SC_App() override;

    // Returns once the engine listens for the controller.
    void Start();
    void Stop();

    static void registerPageHandlers(SyncClient *client);

private:
    QThread *m_linkThread = nullptr;
    SC_EthernetLinkLayerFactory m_linkFactory;
    Supervisor *m_supervisor = nullptr;
};

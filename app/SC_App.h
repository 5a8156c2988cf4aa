#pragma once

#include "link/SC_EthernetLinkLayerFactory.h"

#include <QObject>

#include <memory>

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
    // The link thread opens its server within milliseconds; one that takes
    // longer is stuck, and waiting for it would hold the whole engine.
    static constexpr int LinkStartWaitMs = 5000;

    SC_App();
    // Runs the link made by linkFactory instead of the engine's own.
    explicit SC_App(std::unique_ptr<SC_EthernetLinkLayerFactory> linkFactory);
    ~SC_App() override;

    // Returns once the engine listens for the controller.
    void Start();
    void Stop();

private:
    QThread *m_linkThread = nullptr;
    std::unique_ptr<SC_EthernetLinkLayerFactory> m_linkFactory;
    Supervisor *m_supervisor = nullptr;
    // Joins the link to the client when the link thread reports Started().
    QMetaObject::Connection m_linkWiring;
};

#include "app/SC_App.h"

#include "app/QVemoApplication.h"
#include "link/SC_Ethernet.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QDebug>
#include <QEventLoop>
#include <QThread>

SC_App::SC_App()
{
    m_linkFactory.setPort(SC_EthernetLinkLayerFactory::DefaultPort);
    SyncClient::instance();
}

SC_App::~SC_App()
{
    Stop();
    SyncClient::destroyInstance();
}

void SC_App::Start()
{
    if (m_linkThread) {
        qWarning() << "SC_App::Start" << " The link is already started";
        return;
    }
    SyncClient *client = SyncClient::instance();
    registerPageHandlers(client);
    client->initPersistence();
    m_supervisor = new Supervisor;

    m_linkThread = new QThread;
    m_linkThread->start();
    m_linkFactory.moveToThread(m_linkThread);
    m_linkFactory.setPort(QVemoApplication::port());

    // The server listens before Started() arrives here, and a controller that
    // connects at once would find nobody to hear its first heartbeat or
    // packets. Wiring inside the emission, on the link thread, comes before
    // that thread's event loop can read the controller's first bytes.
    const QMetaObject::Connection wiring = connect(
        &m_linkFactory, &SC_EthernetLinkLayerFactory::Started, client,
        [this, client] {
            client->connectLinkLayer(m_linkFactory.linkLayer());
            connect(m_linkFactory.transport(), &sc_link::Connected, client, &SyncClient::setLinkAddresses);
        },
        Qt::DirectConnection);
    QEventLoop started;
    connect(&m_linkFactory, &SC_EthernetLinkLayerFactory::Started, &started, &QEventLoop::quit);
    QMetaObject::invokeMethod(&m_linkFactory, "Start", Qt::QueuedConnection);
    started.exec();
    disconnect(wiring);
}

void SC_App::registerPageHandlers(SyncClient *client)
{
    SC_PageHandlerTable::registerWith(client);
}

// The link objects are deleted on their own thread before it ends, so their
// sockets close there.
void SC_App::Stop()
{
    delete m_supervisor;
    m_supervisor = nullptr;
    SyncClient::instance()->stopPersistenceTimer();
    if (!m_linkThread)
        return;
    if (m_linkThread->isRunning())
        QMetaObject::invokeMethod(&m_linkFactory, "Stop", Qt::BlockingQueuedConnection);
    m_linkThread->quit();
    if (!m_linkThread->wait(LinkThreadStopMs)) {
        qWarning() << "SC_App::Stop" << " The link thread did not end within" << LinkThreadStopMs
                   << "ms; left running";
        m_linkThread = nullptr;
        return;
    }
    delete m_linkThread;
    m_linkThread = nullptr;
}

#include "app/SC_App.h"

#include "app/QVemoApplication.h"
#include "core/SC_Timer.h"
#include "link/SC_Ethernet.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QDebug>
#include <QEventLoop>
#include <QThread>

SC_App::SC_App()
    : SC_App(std::make_unique<SC_EthernetLinkLayerFactory>())
{
}

SC_App::SC_App(std::unique_ptr<SC_EthernetLinkLayerFactory> linkFactory)
    : m_linkFactory(std::move(linkFactory))
{
    m_linkFactory->setPort(SC_EthernetLinkLayerFactory::DefaultPort);
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
        qWarning() << "SC_App::Start"
                   << " The link is already started";
        return;
    }
    SyncClient *client = SyncClient::instance();
    SC_PageHandlerTable::registerWith(client);
    client->initPersistence();
    m_supervisor = new Supervisor;

    m_linkThread = new QThread;
    m_linkThread->start();
    m_linkFactory->moveToThread(m_linkThread);
    m_linkFactory->setPort(QVemoApplication::port());

    // The server listens before Started() arrives here, and a controller that
    // connects at once would find nobody to hear its first heartbeat or
    // packets. Wiring inside the emission, on the link thread, comes before
    // that thread's event loop can read the controller's first bytes.
    m_linkWiring = connect(
        m_linkFactory.get(), &SC_EthernetLinkLayerFactory::Started, client,
        [this, client] {
            client->connectLinkLayer(m_linkFactory->linkLayer());
            connect(m_linkFactory->transport(), &sc_link::Connected, client, &SyncClient::setLinkAddresses);
        },
        Qt::DirectConnection);
    QEventLoop started;
    connect(m_linkFactory.get(), &SC_EthernetLinkLayerFactory::Started, &started, &QEventLoop::quit);
    SC_Timer *const giveUp = SC_Timer::create(&started);
    giveUp->setSingleShot(true);
    connect(giveUp, &SC_Timer::timeout, &started, &QEventLoop::quit);
    giveUp->start(LinkStartWaitMs);
    QMetaObject::invokeMethod(m_linkFactory.get(), &SC_EthernetLinkLayerFactory::Start, Qt::QueuedConnection);
    started.exec();
    if (giveUp->isActive()) {
        disconnect(m_linkWiring);
        return;
    }
    // The wiring stays, so a link thread that comes up late still reaches
    // the client.
    qWarning() << "SC_App::Start"
               << " The link thread did not start within" << LinkStartWaitMs
               << "ms; carrying on without the controller";
}

// The link objects are deleted on their own thread before it ends, so their
// sockets close there.
void SC_App::Stop()
{
    delete m_supervisor;
    m_supervisor = nullptr;
    SyncClient::instance()->stopPersistenceTimer();
    disconnect(m_linkWiring);
    if (!m_linkThread)
        return;
    if (m_linkThread->isRunning())
        QMetaObject::invokeMethod(m_linkFactory.get(), &SC_EthernetLinkLayerFactory::Stop,
                                  Qt::BlockingQueuedConnection);
    m_linkThread->quit();
    if (!m_linkThread->wait(LinkThreadStopMs)) {
        qWarning() << "SC_App::Stop"
                   << " The link thread did not end within" << LinkThreadStopMs << "ms; left running";
        m_linkThread = nullptr;
        return;
    }
    delete m_linkThread;
    m_linkThread = nullptr;
}

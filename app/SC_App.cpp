#include "app/SC_App.h"

#include "app/QVemoApplication.h"
#include "link/SC_Ethernet.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "paneldata/pages/sc_CommissioningPage_PacketHandler.h"
#include "paneldata/pages/sc_CommsNodeConfig_page.h"
#include "paneldata/pages/sc_DeviceTypeAttributes_Page.h"
#include "paneldata/pages/sc_DeviceUsesTable_page.h"
#include "paneldata/pages/sc_EquipmentSoftwareVersions_Page.h"
#include "paneldata/pages/sc_EventNames_Page.h"
#include "paneldata/pages/sc_InformationTextMessages_Page.h"
#include "paneldata/pages/sc_IRModeSummarySyncPage_PacketHandler.h"
#include "paneldata/pages/sc_LKNetNode_Page.h"
#include "paneldata/pages/sc_LKNetworkConfiguration_Page.h"
#include "paneldata/pages/sc_logicalzoneconfiguration_Page.h"
#include "paneldata/pages/sc_LoopDriverConfiguration_Page.h"
#include "paneldata/pages/sc_LoopPointCountersSnapshot_Page.h"
#include "paneldata/pages/sc_LoopStatusValues_Page.h"
#include "paneldata/pages/sc_NPForcedPointsCountPage.h"
#include "paneldata/pages/sc_NPPointMaps.h"
#include "paneldata/pages/sc_PanelConfigurationDetails_Page.h"
#include "paneldata/pages/sc_PanelPointNames_Page.h"
#include "paneldata/pages/sc_PanelPointRegionNames_PacketHandler.h"
#include "paneldata/pages/sc_PanelStatusCounts_Page.h"
#include "paneldata/pages/sc_PanelValues_Page.h"
#include "paneldata/pages/sc_PanelZoneNames_Page.h"
#include "paneldata/pages/sc_PointCoreConfiguration_Page.h"
#include "paneldata/pages/sc_PointDeviceDescriptions_Page.h"
#include "paneldata/pages/sc_PointDeviceTags_Page.h"
#include "paneldata/pages/sc_PPanelZoneMaps_Page.h"
#include "paneldata/pages/sc_PPointDataMaps_Page.h"
#include "paneldata/pages/sc_ServiceToolStatus_Page.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/pages/sc_SiteConfigurationFingerprint_Page.h"
#include "paneldata/pages/sc_TemporaryPatchData_Page.h"
#include "paneldata/pages/sc_WalkTestSummary_Page.h"

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

// Every sync page the engine understands, each under its own page id; the
// handlers shared by several pages follow under each of their ids.
void SC_App::registerPageHandlers(SyncClient *client)
{
    SC_PacketHandler *const ownId[] = {
        sc_SiteConfigurationFingerprint_Page::handler(),
        sc_PanelStatusCounts_Page::handler(),
        sc_WalkTestSummary_Page::handler(),
        sc_TemporaryPatchData_Page::handler(),
        sc_PanelConfigurationDetails_Page::handler(),
        sc_PointCoreConfiguration_Page::handler(),
        sc_NPForcedPointsCountPage::handler(),
        sc_LoopDriverConfiguration_Page::handler(),
        sc_PanelZoneNames_Page::handler(),
        sc_PanelPointNames_Page::handler(),
        sc_PointDeviceTags_Page::handler(),
        sc_PointDeviceDescriptions_Page::handler(),
        sc_InformationTextMessages_Page::handler(),
        sc_EventNames_Page::handler(),
        sc_PanelPointRegionNames_PacketHandler::handler(),
        sc_logicalzoneconfiguration_Page::handler(),
        sc_LKNetworkConfiguration_Page::handler(),
        sc_CommsNodeConfig_page::handler(),
        sc_LKNetNode_Page::handler(),
        sc_DeviceTypeAttributes_Page::handler(),
        sc_DeviceUsesTable_page::handler(),
        sc_IRModeSummarySyncPage_PacketHandler::handler(),
        sc_CommissioningPage_PacketHandler::handler(),
        sc_ServiceToolStatus_Page::handler(),
        sc_PanelValues_Page::handler(),
        sc_LoopStatusValues_Page::handler(),
    };
    for (SC_PacketHandler *handler : ownId)
        client->registerPacketHandler(handler);
    client->registerPacketHandlerAs(SC_SyncPageIDS::eLoopPointCountersSnapshot,
                                    sc_LoopPointCountersSnapshot_Page::handler());
    client->registerPacketHandlerAs(SC_SyncPageIDS::eEquipmentSoftwareVersions,
                                    sc_EquipmentSoftwareVersions_Page::handler());

    // The point maps keep their pages in this order.
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : SC_SyncPageIDS::NPPointMapPages) {
        client->registerPacketHandlerAs(page, sc_NPPointMaps::handler());
        maps->addMapPage(page);
    }
    for (int page : SC_SyncPageIDS::PPointDataMapPages) {
        client->registerPacketHandlerAs(page, sc_PPointDataMaps_Page::handler());
        maps->addMapPage(page);
    }
    for (int page : SC_SyncPageIDS::PanelZoneMapPages)
        client->registerPacketHandlerAs(page, sc_PPanelZoneMaps_Page::handler());
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

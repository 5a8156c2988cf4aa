#include "paneldata/sync/SC_ClearPanelDataPkt.h"

#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "paneldata/IRserviceHandler.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/SWVersions.h"
#include "paneldata/SingleDevicePollingHandler.h"
#include "paneldata/WalkTestHandler.h"

SC_ClearPanelDataPkt::SC_ClearPanelDataPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_kind(buffer()->readUInt8())
    , m_client(client)
{
}

void SC_ClearPanelDataPkt::handlePacketData()
{
    if (m_kind == PanelData || m_kind == PanelDataToo || m_kind == Everything)
        clearAllPanelData();
    if (m_kind == EventLog || m_kind == Everything)
        m_client->clearEventLogAndRequestReSync();
    if (acknowledgeRequest())
        m_client->sendAcknowledgement(*this, SC_AcknowledgementPkt::Accepted);
}

void SC_ClearPanelDataPkt::serialise()
{
    buffer()->writeLength();
}

void SC_ClearPanelDataPkt::clearAllPanelData()
{
    BucketMaster::instance()->clearAll();
    PointCoreConfiguration::instance()->clearPanel(TC::cAllPanels);
    PointDataMapsConfiguration::instance()->clearPanel(0, TC::cAllPanels);
    PointTextCache::instance()->clearPanel(TC::cAllPanels);
    WalkTestHandler::instance()->reset();
    SingleDevicePollingHandler::instance()->clear();
    IRserviceHandler::instance()->clear();
    LoopDriverConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAllLoopBits();
    PanelCounters::instance()->clear();
    PanelConfiguration::instance()->clearAll();
    SWVersions::instance()->clearAll();
}

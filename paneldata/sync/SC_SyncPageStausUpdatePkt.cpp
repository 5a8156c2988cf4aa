#include "paneldata/sync/SC_SyncPageStausUpdatePkt.h"

#include "core/BucketKeys.h"
#include "core/SC_SyncPageIDS.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/WalkTestHandler.h"

#include <QDebug>

#include <initializer_list>

namespace {

void removePanelKeys(SyncClient *client, int bucket, TC::panel_t panel)
{
    client->emitBucketCommand({BucketCmd::RemoveKeysWithPrefix, bucket, BucketKeys::panelPrefix(panel), QString()});
}

void removePanelKeys(SyncClient *client, std::initializer_list<int> buckets, TC::panel_t panel)
{
    for (int bucket : buckets)
        removePanelKeys(client, bucket, panel);
}

// The point map pages whose bucket and map go together.
void clearPointMaps(SyncClient *client, std::initializer_list<int> pages, TC::panel_t panel)
{
    for (int page : pages) {
        removePanelKeys(client, page, panel);
        PointDataMapsConfiguration::instance()->clearPanel(page, panel);
    }
}

} // namespace

SC_SyncPageStausUpdatePkt::SC_SyncPageStausUpdatePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_pageId(buffer()->readUInt8())
    , m_panelSelector(buffer()->readUInt8())
    , m_part(buffer()->readUInt8())
    , m_status(buffer()->readUInt8())
    , m_firstBit(buffer()->readUInt8())
    , m_bitCount(buffer()->readUInt8())
    , m_panels(buffer()->readBitArray(m_firstBit, m_bitCount))
    , m_client(client)
{
}

// Every panel whose position in the bitmap is set is dropped, wherever the
// bitmap starts.
void SC_SyncPageStausUpdatePkt::handlePacketData()
{
    const bool drop = m_status == DropPages && m_panelSelector == PanelBitmap && m_firstBit < TC::cPanelCount
                      && m_bitCount >= 1 && m_bitCount <= TC::cPanelCount;
    if (m_status == DropPages && !drop) {
        qWarning().nospace() << "SC_SyncPageStausUpdatePkt::handlePacketData"
                             << " Page " << m_pageId << " selector " << m_panelSelector << " bits " << m_firstBit << "+"
                             << m_bitCount << " name no panel; nothing dropped";
    }
    for (int panel = 0; drop && panel < TC::cPanelCount; ++panel) {
        if (!m_panels.testBit(panel))
            continue;
        if (m_pageId == SC_SyncPageIDS::eAllPages)
            clearPanelPages(TC::panel_t(panel));
        else
            removePanelKeys(m_client, m_pageId, TC::panel_t(panel));
    }
    if (acknowledgeRequest())
        m_client->sendAcknowledgement(*this, SC_AcknowledgementPkt::Accepted);
}

void SC_SyncPageStausUpdatePkt::serialise()
{
    buffer()->writeLength();
}

void SC_SyncPageStausUpdatePkt::clearPanelPages(TC::panel_t panel) const
{
    PanelConfiguration::instance()->removePanel(panel);
    LoopDriverConfiguration::instance()->removePanelLoopBits(panel);
    PointTextCache::instance()->clearPanel(panel);
    removePanelKeys(m_client, SC_SyncPageIDS::eNPForcedPointsCount, panel);
    WalkTestHandler::instance()->resetNode(panel);
    clearPointMaps(m_client, {13, 14, 15, 16}, panel);
    removePanelKeys(m_client, {SC_SyncPageIDS::ePanelZoneMapFirst, SC_SyncPageIDS::ePanelZoneMapSecond}, panel);
    clearPointMaps(m_client, {23, 24, 25, 26, 32, 33, 34, 35, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138}, panel);
    removePanelKeys(m_client,
                    {SC_SyncPageIDS::ePointRegionNames, SC_SyncPageIDS::eInformationTextMessages,
                     SC_SyncPageIDS::ePanelStatusCounts, SC_SyncPageIDS::eLogicalZoneConfiguration,
                     SC_SyncPageIDS::eCommissioning, SC_SyncPageIDS::ePanelZoneNames, SC_SyncPageIDS::eIRModeSummary},
                    panel);
    PointCoreConfiguration::instance()->clearPanel(panel);
    LoopDriverConfiguration::instance()->clearPanel(panel);
    removePanelKeys(m_client,
                    {SC_SyncPageIDS::eCommsNodeConfig, SC_SyncPageIDS::eLkNetworkConfiguration,
                     SC_SyncPageIDS::eGlobalConfigDetails, SC_SyncPageIDS::eLoopStatusValues},
                    panel);
}

#pragma once

#include "core/SC_SyncPageIDS.h"
#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_CommissioningPagePkt.h"
#include "paneldata/pages/SC_CommsNodeConfigurationPkt.h"
#include "paneldata/pages/SC_DeviceTypeAttributesPkt.h"
#include "paneldata/pages/SC_DeviceUsesTablePkt.h"
#include "paneldata/pages/SC_EquipmentSoftwareVersionsPagePkt.h"
#include "paneldata/pages/SC_EventNamesPagePkt.h"
#include "paneldata/pages/SC_GlobalConfigDetailsPkt.h"
#include "paneldata/pages/SC_IRModeSummaryPkt.h"
#include "paneldata/pages/SC_InformationTextMessagesPkt.h"
#include "paneldata/pages/SC_LkNetNodePkt.h"
#include "paneldata/pages/SC_LkNetworkConfigurationPkt.h"
#include "paneldata/pages/SC_LogicalZoneConfigurationPkt.h"
#include "paneldata/pages/SC_LoopDriverConfigurationPkt.h"
#include "paneldata/pages/SC_LoopPointCountersSnapshotPagePkt.h"
#include "paneldata/pages/SC_NPForcedPointsCountPagePkt.h"
#include "paneldata/pages/SC_NPPointsMapPkt.h"
#include "paneldata/pages/SC_PPanelZoneMapPkt.h"
#include "paneldata/pages/SC_PPointDataMapsPkt.h"
#include "paneldata/pages/SC_PanelConfigurationDetailsPagePkt.h"
#include "paneldata/pages/SC_PanelPointNamesPagePkt.h"
#include "paneldata/pages/SC_PanelStatusCountsPkt.h"
#include "paneldata/pages/SC_PanelZoneNamesPagePkt.h"
#include "paneldata/pages/SC_PointCoreConfigurationPagePkt.h"
#include "paneldata/pages/SC_PointDeviceDescriptionsPagePkt.h"
#include "paneldata/pages/SC_PointDeviceTagsPagePkt.h"
#include "paneldata/pages/SC_PointRegionNamePagePkt.h"
#include "paneldata/pages/SC_ServiceToolStatusPagePkt.h"
#include "paneldata/pages/SC_SiteConfigurationFingerprintPkt.h"
#include "paneldata/pages/SC_TemporaryPatchDataPkt.h"
#include "paneldata/pages/SC_WalkTestSummaryPkt.h"
#include "paneldata/pages/sc_LoopStatusValues_Page_Pkt.h"

// The sync page handlers by the names the rest of the engine knows them by.
using sc_SiteConfigurationFingerprint_Page =
    SC_PageHandlerFor<SC_SiteConfigurationFingerprintPkt, SC_SyncPageIDS::eSiteConfigurationFingerprint>;
using sc_PanelConfigurationDetails_Page =
    SC_PageHandlerFor<SC_PanelConfigurationDetailsPagePkt, SC_SyncPageIDS::ePanelConfigurationDetails>;
using sc_EquipmentSoftwareVersions_Page =
    SC_PageHandlerFor<SC_EquipmentSoftwareVersionsPagePkt, SC_SyncPageIDS::eEquipmentSoftwareVersions>;
using sc_PanelStatusCounts_Page = SC_PageHandlerFor<SC_PanelStatusCountsPkt, SC_SyncPageIDS::ePanelStatusCounts>;
using sc_PanelZoneNames_Page = SC_PageHandlerFor<SC_PanelZoneNamesPagePkt, SC_SyncPageIDS::ePanelZoneNames>;
using sc_PanelPointNames_Page = SC_PageHandlerFor<SC_PanelPointNamesPagePkt, SC_SyncPageIDS::ePanelPointNames>;
using sc_PointCoreConfiguration_Page =
    SC_PageHandlerFor<SC_PointCoreConfigurationPagePkt, SC_SyncPageIDS::ePointCoreConfiguration>;
using sc_logicalzoneconfiguration_Page =
    SC_PageHandlerFor<SC_LogicalZoneConfigurationPkt, SC_SyncPageIDS::eLogicalZoneConfiguration>;
using sc_PointDeviceTags_Page = SC_PageHandlerFor<SC_PointDeviceTagsPagePkt, SC_SyncPageIDS::ePointDeviceTags>;
using sc_PointDeviceDescriptions_Page =
    SC_PageHandlerFor<SC_PointDeviceDescriptionsPagePkt, SC_SyncPageIDS::ePointDeviceDescriptions>;
using sc_PPointDataMaps_Page = SC_PageHandlerFor<SC_PPointDataMapsPkt, SC_SyncPageIDS::ePPointDataMapFirst>;
using sc_LKNetworkConfiguration_Page =
    SC_PageHandlerFor<SC_LkNetworkConfigurationPkt, SC_SyncPageIDS::eLkNetworkConfiguration>;
using sc_InformationTextMessages_Page =
    SC_PageHandlerFor<SC_InformationTextMessagesPkt, SC_SyncPageIDS::eInformationTextMessages>;
using sc_EventNames_Page = SC_PageHandlerFor<SC_EventNamesPagePkt, SC_SyncPageIDS::eEventNames>;
using sc_PPanelZoneMaps_Page = SC_PageHandlerFor<SC_PPanelZoneMapPkt, SC_SyncPageIDS::ePanelZoneMapFirst>;
using sc_WalkTestSummary_Page = SC_PageHandlerFor<SC_WalkTestSummaryPkt, SC_SyncPageIDS::eWalkTestSummary>;
using sc_CommissioningPage_PacketHandler = SC_PageHandlerFor<SC_CommissioningPagePkt, SC_SyncPageIDS::eCommissioning>;
using sc_PanelPointRegionNames_PacketHandler =
    SC_PageHandlerFor<SC_PointRegionNamePagePkt, SC_SyncPageIDS::ePointRegionNames>;
using sc_LoopPointCountersSnapshot_Page =
    SC_PageHandlerFor<SC_LoopPointCountersSnapshotPagePkt, SC_SyncPageIDS::eLoopPointCountersSnapshot>;
using sc_IRModeSummarySyncPage_PacketHandler = SC_PageHandlerFor<SC_IRModeSummaryPkt, SC_SyncPageIDS::eIRModeSummary>;
using sc_CommsNodeConfig_page = SC_PageHandlerFor<SC_CommsNodeConfigurationPkt, SC_SyncPageIDS::eCommsNodeConfig>;
using sc_DeviceTypeAttributes_Page =
    SC_PageHandlerFor<SC_DeviceTypeAttributesPkt, SC_SyncPageIDS::eDeviceTypeAttributes>;
using sc_ServiceToolStatus_Page = SC_PageHandlerFor<SC_ServiceToolStatusPagePkt, SC_SyncPageIDS::eServiceToolStatus>;
using sc_DeviceUsesTable_page = SC_PageHandlerFor<SC_DeviceUsesTablePkt, SC_SyncPageIDS::eDeviceUsesTable>;
using sc_LKNetNode_Page = SC_PageHandlerFor<SC_LkNetNodePkt, SC_SyncPageIDS::eLkNetNode>;
using sc_LoopDriverConfiguration_Page =
    SC_PageHandlerFor<SC_LoopDriverConfigurationPkt, SC_SyncPageIDS::eLoopDriverConfiguration>;
using sc_GlobalConfigDetails = SC_PageHandlerFor<SC_GlobalConfigDetailsPkt, SC_SyncPageIDS::eGlobalConfigDetails>;
using sc_TemporaryPatchData_Page = SC_PageHandlerFor<SC_TemporaryPatchDataPkt, SC_SyncPageIDS::eTemporaryPatchData>;
using sc_NPPointMaps = SC_PageHandlerFor<SC_NPPointsMapPkt, SC_SyncPageIDS::eNPPointMapFirst>;
using sc_NPForcedPointsCountPage =
    SC_PageHandlerFor<SC_NPForcedPointsCountPagePkt, SC_SyncPageIDS::eNPForcedPointsCount>;
using sc_LoopStatusValues_Page = SC_PageHandlerFor<sc_LoopStatusValues_Page_Pkt, SC_SyncPageIDS::eLoopStatusValues>;

// The panel values are kept as received: only the page's signature matters,
// so no packet reads them and every part counts as stored.
struct SC_UnreadPage;
using sc_PanelValues_Page = SC_PageHandlerFor<SC_UnreadPage, SC_SyncPageIDS::ePanelValues>;

template <> inline bool sc_PanelValues_Page::handlePage(SyncClient *, const QSharedPointer<SC_PacketBuffer> &)
{
    return true;
}

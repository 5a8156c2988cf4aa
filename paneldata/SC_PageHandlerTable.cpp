#include "paneldata/SC_PageHandlerTable.h"

#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SC_PageHandlers.h"

#include <array>
#include <cstddef>

namespace {

struct Row
{
    SC_PacketHandler *(*handler)();
    // Null for a handler registered under its own page id.
    const int *pages;
    std::size_t pageCount;
    // The point maps learn these pages too, in the order the rows give them.
    bool pointMapPages;
};

template <typename Handler> constexpr Row ownPage()
{
    return {&Handler::handler, nullptr, 1, false};
}

template <typename Handler, std::size_t Count> constexpr Row sharedPages(const std::array<int, Count> &pages)
{
    return {&Handler::handler, pages.data(), Count, false};
}

template <typename Handler, std::size_t Count> constexpr Row pointMapPages(const std::array<int, Count> &pages)
{
    return {&Handler::handler, pages.data(), Count, true};
}

constexpr Row Rows[] = {
    ownPage<sc_SiteConfigurationFingerprint_Page>(),
    ownPage<sc_PanelStatusCounts_Page>(),
    ownPage<sc_WalkTestSummary_Page>(),
    ownPage<sc_GlobalConfigDetails>(),
    ownPage<sc_TemporaryPatchData_Page>(),
    ownPage<sc_PanelConfigurationDetails_Page>(),
    ownPage<sc_PointCoreConfiguration_Page>(),
    ownPage<sc_NPForcedPointsCountPage>(),
    ownPage<sc_LoopDriverConfiguration_Page>(),
    ownPage<sc_PanelZoneNames_Page>(),
    ownPage<sc_PanelPointNames_Page>(),
    ownPage<sc_PointDeviceTags_Page>(),
    ownPage<sc_PointDeviceDescriptions_Page>(),
    ownPage<sc_InformationTextMessages_Page>(),
    ownPage<sc_EventNames_Page>(),
    ownPage<sc_PanelPointRegionNames_PacketHandler>(),
    ownPage<sc_logicalzoneconfiguration_Page>(),
    ownPage<sc_LKNetworkConfiguration_Page>(),
    ownPage<sc_CommsNodeConfig_page>(),
    ownPage<sc_LKNetNode_Page>(),
    ownPage<sc_DeviceTypeAttributes_Page>(),
    ownPage<sc_DeviceUsesTable_page>(),
    ownPage<sc_IRModeSummarySyncPage_PacketHandler>(),
    ownPage<sc_CommissioningPage_PacketHandler>(),
    ownPage<sc_ServiceToolStatus_Page>(),
    ownPage<sc_PanelValues_Page>(),
    ownPage<sc_LoopStatusValues_Page>(),
    ownPage<sc_LoopPointCountersSnapshot_Page>(),
    ownPage<sc_EquipmentSoftwareVersions_Page>(),
    pointMapPages<sc_NPPointMaps>(SC_SyncPageIDS::NPPointMapPages),
    pointMapPages<sc_PPointDataMaps_Page>(SC_SyncPageIDS::PPointDataMapPages),
    sharedPages<sc_PPanelZoneMaps_Page>(SC_SyncPageIDS::PanelZoneMapPages),
};

} // namespace

void SC_PageHandlerTable::registerWith(SyncClient *client)
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (const Row &row : Rows) {
        SC_PacketHandler *const handler = row.handler();
        if (!row.pages) {
            client->registerPacketHandler(handler);
            continue;
        }
        for (std::size_t i = 0; i < row.pageCount; ++i) {
            client->registerPacketHandlerAs(row.pages[i], handler);
            if (row.pointMapPages)
                maps->addMapPage(row.pages[i]);
        }
    }
}

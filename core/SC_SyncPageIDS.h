#pragma once

#include <QMetaType>

#include <array>

// The sync pages by id. A page id is also the number of the state-store
// bucket the page writes; ids not named here have no handler.
struct SC_SyncPageIDS
{
    enum eSyncPageInformationIDs : int {
        eSiteConfigurationFingerprint = 1,
        ePanelConfigurationDetails = 3,
        eEquipmentSoftwareVersions = 4,
        ePanelStatusCounts = 5,
        ePanelZoneNames = 6,
        ePanelPointNames = 7,
        ePointCoreConfiguration = 8,
        eLogicalZoneConfiguration = 9,
        ePointDeviceTags = 11,
        ePointDeviceDescriptions = 12,
        ePPointDataMapFirst = 13,
        eLkNetworkConfiguration = 17,
        eInformationTextMessages = 18,
        eEventNames = 19,
        ePanelZoneMapFirst = 20,
        ePanelZoneMapSecond = 21,
        eWalkTestSummary = 22,
        eCommissioning = 27,
        ePointRegionNames = 28,
        eLoopPointCountersSnapshot = 29,
        eIRModeSummary = 30,
        eCommsNodeConfig = 31,
        eDeviceTypeAttributes = 36,
        eServiceToolStatus = 37,
        eDeviceUsesTable = 38,
        eLkNetNode = 39,
        eLoopDriverConfiguration = 40,
        eGlobalConfigDetails = 41,
        eTemporaryPatchData = 42,
        eNPPointMapFirst = 129,
        eNPForcedPointsCount = 139,
        ePanelValues = 147,
        eLoopStatusValues = 148,
        // Names every page in a page status update.
        eAllPages = 255,
    };

    // The pages one shared handler serves, the handler's own id first.
    static constexpr std::array<int, 12> PPointDataMapPages{13, 14, 15, 16, 23, 24, 25, 26, 32, 33, 34, 35};
    static constexpr std::array<int, 2> PanelZoneMapPages{20, 21};
    static constexpr std::array<int, 19> NPPointMapPages{129, 130, 131, 132, 133, 134, 135, 136, 137, 138,
                                                         140, 141, 142, 143, 144, 145, 146, 149, 150};
};

Q_DECLARE_METATYPE(SC_SyncPageIDS::eSyncPageInformationIDs)

#pragma once

#include "pointmodels/FilteredDevicesModel.h"
#include "pointmodels/FilteredModel.h"
#include "pointmodels/FilteredPointsModel.h"

#include <QBitArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QSharedPointer>
#include <QStandardItemModel>
#include <QVector>

class SimplePointFilter;

// The selection and the lists of one filter screen. The screen's selectors
// write the selection fields and call the builders; every builder rebuilds
// its list from scratch, synchronously, from the configuration as it is.
// The point-settings builders show a loop as it will be once the cached
// changes of the engineer are sent.
class FilterModel final : public QObject
{
    Q_OBJECT

public:
    // The lists rebuildPointsForKind() builds.
    enum PointsKind : int {
        ZoneForce = 1,
        ZoneDisable = 2,
        PeripheralPoints = 3,
        FunctionStatusDisable = 4,
        DeviceTypeDisable = 5,
        PeripheralForce = 6,
        PeripheralDisable = 7,
        LoggedZoneForce = 8,
        LoggedDisable = 9,
        KeepPoints = 10,
        ZoneLoopPoints = 11,
        LoopPointsByAttribute = 12,
        ConfiguredAddresses = 13,
        FreeAddresses = 14,
        ResponderAddresses = 15,
        SilentRealPoints = 16,
        WalkTestPoints = 17,
    };
    enum LoopListMode : int { AllLoops = 0, ShutDownLoops = 1, LoopsInService = 2 };
    // The use that keeps a point as configured.
    static constexpr quint16 ConfiguredDeviceUse = 2049;
    static constexpr quint8 NoZone = 254;

    FilterModel(QObject *parent, bool showPointNumbers);
    ~FilterModel() override;

    // Device types for a point, device uses, free logical point numbers.
    FilteredModel *firstFilteredModel() { return &m_deviceTypesForPoint; }
    FilteredModel *secondFilteredModel() { return &m_deviceUses; }
    FilteredModel *thirdFilteredModel() { return &m_logicalNumbers; }
    QStandardItemModel *loopsModel() { return &m_loops; }
    QStandardItemModel *shutDownLoopsModel() { return &m_shutDownLoops; }
    int loopListMode() const { return m_loopListMode; }
    void setLoopListMode(int mode) { m_loopListMode = mode; }

    QList<quint8> selectedZones() const { return zoneList; }
    void setSelectedZones(const QList<quint8> &zones) { zoneList = zones; }
    void setZone(int zone);

    void fillPanels();
    void fillPanelsFromList(const QList<quint8> &panels);
    void fillZones();
    void fillLogicalZones();
    // Leaves in the zones model the panel's logical zones (and the rows of
    // logical zone 0); the others wait in a parked model for the next call.
    void filterLogicalZonesByPanel(int panel);
    void fillTasks();
    void fillLoops();
    void fillLoopsByShutdown(bool shutDown);
    void fillLoopsForMode();
    void fillPrinters();
    void fillDevicesOfZones();
    void resetCommissioningTasksModel();

    void rebuildPointsForKind();

    // Point settings of the selected loop.
    void computeAddressSets();
    enum AddressSet { ConfiguredSet, FreeSet };
    // The rows of the set, in address order.
    void fillPointSettingItems(AddressSet set);
    int addressCountOfPoint(quint8 address);
    int addressSpan(quint8 address, bool extend);
    void updateAddressCount();
    bool isConfiguredAddress(quint8 address) const { return m_configuredAddresses.contains(address); }
    void fillDevices();
    void fillDeviceUses();
    void fillPointsForSelection();
    QMap<quint8, quint8> logicalNumberMap() const;
    QSet<quint8> logicalNumberSet() const;
    void loadSelectedPointSettings();

    const QSet<quint8> &configuredAddresses() const { return m_configuredAddresses; }
    const QSet<quint8> &extraAddresses() const { return m_extraAddresses; }
    const QSet<quint8> &freeAddresses() const { return m_freeAddresses; }

    // The lists the owner shows.
    QStandardItemModel panelsModel;
    QStandardItemModel networkPanelsModel;
    QStandardItemModel zonesModel;
    FilteredPointsModel pointsModel;
    FilteredDevicesModel devicesModel;
    FilteredModel printersModel;
    QStandardItemModel tasksModel;

    // The selection.
    quint8 selectedPanel = 0;
    quint8 selectedZone = NoZone;
    QList<quint8> zoneList;
    int pointsKind = 0;
    int forceAction = 0;
    int disableAction = 0;
    // 1 inputs, 2 outputs, 3 both.
    int direction = 3;
    int functionMask = 0;
    quint8 attributeMask = 0;
    int permissionLevel = 0;
    QBitArray deviceTypes;
    int channelKind = 12;
    int channelNumber = 0;
    // The loop on a loop channel.
    quint8 channelAddress = 0;
    quint8 pointAddress = 254;
    // Event categories, bit n for category n.
    quint16 statusMask = 0;
    int pointStatusMask = 0;
    int walkTestTypeBit = -1;
    int walkTestDeviceClass = 17;
    int pointType = 0;
    quint8 regionNumber = 0;

    // Options the owner sets.
    bool zone0Allowed = true;
    bool extendOverFreeAddresses = true;
    bool hideEquipmentType6 = false;
    bool hideEquipmentTypes1And5 = false;
    bool hidePanelsInWalkTest = false;
    bool logicalZonesByPolling = false;
    bool zonesWithPointsOnly = false;
    QSet<int> allowedFunctions;
    bool allowedFunctionsInForce = false;
    bool hideShutDownLoops = false;

    // The point being set.
    quint16 deviceUse = ConfiguredDeviceUse;
    quint16 addressCount = 0;
    quint8 logicalPointNumber = 251;
    quint8 deviceType = 128;
    QString pointText;

signals:
    void resultsProcessed();
    void CommissioningRSMForcedDataUpdated(bool forced);

private:
    using Filter = QSharedPointer<SimplePointFilter>;

    // The chain of a kind, head first, after setting the points model's
    // task actions where the kind has them; empty for a kind that builds
    // no chain.
    QVector<Filter> chainForKind();
    void rebuildResponderAddresses();
    bool isUsablePanel(quint8 panel, const QSet<quint8> &configured, const QSet<quint8> &responding) const;
    void moveRow(QStandardItemModel &from, int row, QStandardItemModel &to);
    void fillLoopModel(QStandardItemModel &target, const QList<int> &loops);
    QList<int> configuredLoopsAscending() const;
    // The addresses a configured point takes: more than one for a device
    // of several addresses, never past the end of the loop's numbering.
    static int addressesOfPoint(const PointAddressKey &record);
    void addUsedLogicalNumbers(quint8 loop, QHash<quint8, int> &used);

    FilteredModel m_deviceTypesForPoint;
    FilteredModel m_deviceUses;
    FilteredModel m_logicalNumbers;
    QStandardItemModel m_parkedLogicalZones;
    QStandardItemModel m_shutDownLoops;
    QStandardItemModel m_loops;
    int m_loopListMode = AllLoops;
    bool m_showPointNumbers;
    QSet<quint8> m_configuredAddresses;
    QSet<quint8> m_extraAddresses;
    QSet<quint8> m_freeAddresses;
    // In ascending order: the numbers a span of addresses takes in turn.
    QList<quint8> m_offeredLogicalNumbers;
};

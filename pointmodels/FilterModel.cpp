#include "pointmodels/FilterModel.h"

#include "core/BucketMaster.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EventLogStatusFilter.h"
#include "paneldata/CachedModifiedPoints.h"
#include "paneldata/DeviceTypeAddressCount.h"
#include "paneldata/KeyOrderedDeviceUses.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SingleDevicePollingHandler.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/AllPointsFacade.h"
#include "pointmodels/DevAttrCfgFilter.h"
#include "pointmodels/DevicesIDCfgFilter.h"
#include "pointmodels/DisablePointFilter.h"
#include "pointmodels/FilteredDeviceUseItem.h"
#include "pointmodels/FilteredModelDeviceItem.h"
#include "pointmodels/FilteredModelLogicalZoneItem.h"
#include "pointmodels/FilteredModelPanelItem.h"
#include "pointmodels/FilteredModelPointSettingItem.h"
#include "pointmodels/FilteredModelPrinterItem.h"
#include "pointmodels/FilteredModelTaskItem.h"
#include "pointmodels/FilteredModelZoneItem.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/ForcePointFilter.h"
#include "pointmodels/LoopCfgFilter.h"
#include "pointmodels/LoopNotDisabledFilter.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/PeripheralAddrCfgFilter.h"
#include "pointmodels/PointCategoryFilter.h"
#include "pointmodels/PointCfgFilter.h"
#include "pointmodels/PointDataMapFilter.h"
#include "pointmodels/PointFunctionCfgFilter.h"
#include "pointmodels/PointStatusFilter.h"
#include "pointmodels/RealPhysicalPointFilter.h"
#include "pointmodels/TaskMapPages.h"
#include "pointmodels/WalktestPointFilter.h"
#include "pointmodels/ZoneCfgFilter.h"
#include "pointmodels/model.h"

#include <QDebug>

#include <algorithm>
#include <functional>

namespace {

using Filter = QSharedPointer<SimplePointFilter>;
using PointVisitor = std::function<void(const ChannelAddress &, const PointAddressKey &)>;

constexpr quint8 LoopKind = 12;
constexpr quint8 LoopChannelNumber = 0;
constexpr quint8 AllPoints = 255;
constexpr quint8 MultiAddressDevice = 0x10;
constexpr int EquipmentType6 = 6;
constexpr int EquipmentType1 = 1;
constexpr int EquipmentType5 = 5;
constexpr int LastTask = 10;
constexpr int TasksPage = 13;
constexpr int LastLogicalNumber = 250;
constexpr int LastAddress = 255;
// Channel numbers that never take a task: the panel's own channels.
const QList<int> NoTaskChannelNumbers = {6, 1};
// Device uses: kind|device type|text.
constexpr int UseKindField = 0;
constexpr int UseTypeField = 1;
constexpr int UseTextField = 2;
enum UseKind : int { SingleAddressUse = 1, FirstAddressUse = 2, FurtherAddressUse = 3 };
// Logical zone keys: panel|zone|logical zone.
constexpr int LogicalZoneFields = 3;

template <typename F, typename... Args> Filter make(Args &&...args)
{
    return Filter(new F(std::forward<Args>(args)...));
}

// Hands every point the chain accepts to a function.
class VisitingFacade final : public SimpleFacade
{
public:
    VisitingFacade(TC::panel_t panel, const Filter &head, PointVisitor visitor)
        : SimpleFacade(panel)
        , m_visitor(std::move(visitor))
    {
        setFilter(head);
    }

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override
    {
        if (chainAccepts(panel, channel, record))
            m_visitor(*channel, *record);
    }

private:
    PointVisitor m_visitor;
};

void walkPoints(TC::panel_t panel, const QVector<Filter> &filters, const PointVisitor &visitor)
{
    VisitingFacade facade(panel, SimplePointFilter::chainOf(filters), visitor);
    facade.run();
}

struct DeviceUse
{
    quint16 use;
    int kind;
    quint8 deviceType;
    QString text;
};

// The device-use table in use order; entries that do not parse are left
// out.
QVector<DeviceUse> deviceUseTable()
{
    QVector<DeviceUse> table;
    const QMap<quint16, QString> &uses = KeyOrderedDeviceUses::instance()->uses();
    for (auto it = uses.constBegin(); it != uses.constEnd(); ++it) {
        const QStringList fields = it.value().split(QLatin1Char('|'));
        bool kindOk = false;
        bool typeOk = false;
        const int kind = fields.value(UseKindField).toInt(&kindOk);
        const uint type = fields.value(UseTypeField).toUInt(&typeOk);
        if (!kindOk || !typeOk || type > 255)
            continue;
        table.append({it.key(), kind, quint8(type), fields.mid(UseTextField).join(QLatin1Char('|'))});
    }
    return table;
}

quint32 packedLoopPoint(quint8 panel, quint8 loop, quint8 point)
{
    return quint32(panel) | quint32(loop) << 8 | quint32(point) << 16;
}

QList<quint8> ascending(const QSet<quint8> &set)
{
    QList<quint8> list = set.values();
    std::sort(list.begin(), list.end());
    return list;
}

QStandardItem *selectable(QStandardItem *item)
{
    item->setEditable(false);
    item->setSelectable(true);
    return item;
}

} // namespace

FilterModel::FilterModel(QObject *parent, bool showPointNumbers)
    : QObject(parent)
    , pointsModel(showPointNumbers)
    , m_showPointNumbers(showPointNumbers)
{
}

FilterModel::~FilterModel() = default;

void FilterModel::setZone(int zone)
{
    selectedZone = quint8(zone);
    zoneList = {selectedZone};
}

void FilterModel::fillPanels()
{
    panelsModel.clear();
    model *panels = model::instance();
    for (const model::PanelEntry &entry : panels->panelList()) {
        const quint8 panel = entry.first;
        if (entry.second != 0)
            continue;
        const int type = panels->panelEquipmentType(panel);
        if (hideEquipmentType6 && type == EquipmentType6)
            continue;
        if (hideEquipmentTypes1And5 && (type == EquipmentType1 || type == EquipmentType5))
            continue;
        if (hidePanelsInWalkTest && WalkTestHandler::instance()->summary(panel).isActive())
            continue;
        panelsModel.appendRow(selectable(new FilteredModelPanelItem(panel)));
    }
}

void FilterModel::fillPanelsFromList(const QList<quint8> &panels)
{
    networkPanelsModel.clear();
    for (const quint8 panel : panels)
        networkPanelsModel.appendRow(selectable(new FilteredModelPanelItem(panel)));
}

void FilterModel::fillZones()
{
    zonesModel.clear();
    const quint8 limit = PanelConfiguration::instance()->zoneLimit(selectedPanel);
    const PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    QSet<quint8> listed;
    for (const ChannelPoints &channel : configuration->channels(selectedPanel)) {
        for (const PointAddressKey &record : channel.records) {
            const quint8 zone = record.zone;
            if (zone == 0 && !zone0Allowed && !allowedFunctionsInForce)
                continue;
            if (zone >= limit || listed.contains(zone))
                continue;
            if (zonesWithPointsOnly && configuration->channelValue(selectedPanel, zone) == 0)
                continue;
            listed.insert(zone);
            zonesModel.appendRow(selectable(new FilteredModelZoneItem(selectedPanel, zone)));
        }
    }
}

bool FilterModel::isUsablePanel(quint8 panel, const QSet<quint8> &configured, const QSet<quint8> &responding) const
{
    if (!configured.contains(panel) || !responding.contains(panel))
        return false;
    return !hidePanelsInWalkTest || !WalkTestHandler::instance()->summary(panel).isActive();
}

void FilterModel::fillLogicalZones()
{
    zonesModel.clear();
    m_parkedLogicalZones.clear();
    const QList<quint8> configuredList = PanelConfiguration::instance()->panels();
    const QSet<quint8> configured(configuredList.cbegin(), configuredList.cend());
    QSet<quint8> responding;
    for (const model::PanelEntry &entry : model::instance()->panelList()) {
        if (entry.second == 0)
            responding.insert(entry.first);
    }
    QHash<quint8, bool> usable;
    const QStringList keys =
        BucketMaster::instance()->GetBucketKeyList(SC_SyncPageIDS::eLogicalZoneConfiguration, QStringLiteral("*"));
    for (const QString &key : keys) {
        const QStringList fields = key.split(QLatin1Char('|'));
        if (fields.size() != LogicalZoneFields)
            continue;
        bool panelOk = false;
        bool zoneOk = false;
        bool logicalOk = false;
        const uint panel = fields.at(0).toUInt(&panelOk);
        const uint zone = fields.at(1).toUInt(&zoneOk);
        const uint logical = fields.at(2).toUInt(&logicalOk);
        if (!panelOk || !zoneOk || !logicalOk || panel > 255 || zone > 255 || logical > 0xFFFF)
            continue;
        auto known = usable.find(quint8(panel));
        if (known == usable.end())
            known = usable.insert(quint8(panel), isUsablePanel(quint8(panel), configured, responding));
        if (!*known)
            continue;
        if (zone == 0 && !zone0Allowed && !allowedFunctionsInForce)
            continue;
        zonesModel.appendRow(
            selectable(new FilteredModelLogicalZoneItem(quint8(panel), quint8(zone), quint16(logical))));
    }
    if (logicalZonesByPolling)
        filterLogicalZonesByPanel(TC::cAllPanels);
}

void FilterModel::moveRow(QStandardItemModel &from, int row, QStandardItemModel &to)
{
    to.appendRow(from.takeRow(row));
}

void FilterModel::filterLogicalZonesByPanel(int panel)
{
    for (int row = m_parkedLogicalZones.rowCount() - 1; row >= 0; --row)
        moveRow(m_parkedLogicalZones, row, zonesModel);
    zonesModel.sort(0, Qt::AscendingOrder);
    const SingleDevicePollingHandler *polling = SingleDevicePollingHandler::instance();
    for (int row = zonesModel.rowCount() - 1; row >= 0; --row) {
        const QModelIndex index = zonesModel.index(row, 0);
        const int rowPanel = index.data(FilteredRoles::PanelRole).toInt();
        bool park = false;
        if (!logicalZonesByPolling) {
            park = rowPanel != panel && index.data(FilteredRoles::LogicalZoneRole).toInt() != 0;
        } else {
            const auto zone = TC::zone_t(index.data(FilteredRoles::ZoneRole).toUInt());
            park = polling->isPolling(TC::panel_t(rowPanel)) && !polling->pollsZone(TC::panel_t(rowPanel), zone);
        }
        if (park)
            moveRow(zonesModel, row, m_parkedLogicalZones);
    }
}

void FilterModel::fillTasks()
{
    tasksModel.clear();
    const QBitArray tasks = PointDataMapsConfiguration::instance()->channelPoints(
        TasksPage, selectedPanel, FilteredModelTaskItem::TaskChannelKind, FilteredModelTaskItem::TaskChannelNumber,
        FilteredModelTaskItem::TaskChannelAddress);
    for (int task = 1; task <= LastTask && task < tasks.size(); ++task) {
        if (tasks.testBit(task))
            tasksModel.appendRow(selectable(new FilteredModelTaskItem(selectedPanel, quint8(task))));
    }
}

QList<int> FilterModel::configuredLoopsAscending() const
{
    QList<int> loops = model::instance()->configuredLoops(selectedPanel).keys();
    std::sort(loops.begin(), loops.end());
    return loops;
}

void FilterModel::fillLoopModel(QStandardItemModel &target, const QList<int> &loops)
{
    const model *panels = model::instance();
    for (const int loop : loops) {
        auto *item = new QStandardItem(panels->loopName(selectedPanel, quint8(loop)));
        item->setData(uint(loop), FilteredRoles::LoopRole);
        target.appendRow(selectable(item));
    }
}

void FilterModel::fillLoops()
{
    m_loops.clear();
    m_shutDownLoops.clear();
    fillLoopModel(m_loops, configuredLoopsAscending());
}

void FilterModel::fillLoopsByShutdown(bool shutDown)
{
    m_loops.clear();
    m_shutDownLoops.clear();
    const QBitArray bits = model::instance()->loopShutdownBits(selectedPanel);
    QList<int> loops;
    for (const int loop : configuredLoopsAscending()) {
        if (model::loopShutdownBit(loop, bits) == (shutDown ? 1 : 0))
            loops.append(loop);
    }
    fillLoopModel(shutDown ? m_shutDownLoops : m_loops, loops);
}

void FilterModel::fillLoopsForMode()
{
    switch (m_loopListMode) {
    case ShutDownLoops:
        fillLoopsByShutdown(true);
        break;
    case LoopsInService:
        fillLoopsByShutdown(false);
        break;
    default:
        fillLoops();
        break;
    }
}

void FilterModel::fillPrinters()
{
    printersModel.clearModel();
    for (const PrinterEntry &printer : PanelConfiguration::instance()->printers(selectedPanel))
        printersModel.appendRow(
            new FilteredModelPrinterItem(selectedPanel, printer.printerNumber, printer.listedExtra));
}

void FilterModel::fillDevicesOfZones()
{
    devicesModel.clearModel();
    ModelFacade facade(&devicesModel, make<ZoneCfgFilter>(zoneList), selectedPanel);
    facade.run();
}

void FilterModel::resetCommissioningTasksModel()
{
    qDebug() << "FilterModel::resetCommissioningTasksModel"
             << "no CommissioningTasksModel in this build; panel" << selectedPanel;
}

QVector<FilterModel::Filter> FilterModel::chainForKind()
{
    const auto zone = [&] { return make<ZoneCfgFilter>(zoneList); };
    const auto notPanelChannels = [] { return make<PointCategoryFilter>(NoTaskChannelNumbers, false); };
    const auto force = [&] { return make<ForcePointFilter>(direction, forceAction); };
    const auto disable = [&] { return make<DisablePointFilter>(direction, disableAction); };
    const auto loopUp = [] { return make<LoopNotDisabledFilter>(); };
    const auto peripheral = [&] {
        return make<PeripheralAddrCfgFilter>(quint8(channelKind), quint8(channelNumber), channelAddress);
    };
    const auto eventLog = [&] { return make<EventLogStatusFilter>(selectedPanel, statusMask); };
    const auto forceTask = [&] { pointsModel.setTaskActions(forceAction, 0); };
    const auto disableTask = [&] { pointsModel.setTaskActions(0, disableAction); };

    switch (pointsKind) {
    case ZoneForce:
        forceTask();
        return {zone(), notPanelChannels(), force()};
    case ZoneDisable:
        disableTask();
        return {zone(), notPanelChannels(), disable(), loopUp()};
    case PeripheralPoints:
        return {peripheral()};
    case FunctionStatusDisable: {
        disableTask();
        auto *function = new PointFunctionCfgFilter(functionMask, false, 0, zone0Allowed);
        if (allowedFunctionsInForce)
            function->setAllowedFunctions(allowedFunctions, permissionLevel);
        QVector<Filter> chain{zone(), Filter(function), notPanelChannels(), disable(),
                              make<PointStatusFilter>(direction, pointStatusMask)};
        if (hideShutDownLoops)
            chain.append(loopUp());
        return chain;
    }
    case DeviceTypeDisable:
        disableTask();
        return {zone(), make<DevicesIDCfgFilter>(deviceTypes), notPanelChannels(), disable(), loopUp()};
    case PeripheralForce:
        forceTask();
        return {peripheral(), force()};
    case PeripheralDisable:
        disableTask();
        return {peripheral(), disable(), loopUp()};
    case LoggedZoneForce:
        forceTask();
        return {zone(), notPanelChannels(), force(), eventLog()};
    case LoggedDisable:
        disableTask();
        return {zone(), disable(), notPanelChannels(), eventLog(), loopUp()};
    case ZoneLoopPoints:
        return {zone(), make<LoopCfgFilter>(LoopCfgFilter::AllLoops, false)};
    case LoopPointsByAttribute:
        return {make<LoopCfgFilter>(channelAddress, false), make<DevAttrCfgFilter>(attributeMask)};
    case SilentRealPoints:
        return {make<LoopCfgFilter>(channelAddress, false),
                make<PointDataMapFilter>(TaskMapPages::NotResponding, false), make<RealPhysicalPointFilter>()};
    case WalkTestPoints:
        return {zone(), make<WalktestPointFilter>(walkTestTypeBit, walkTestDeviceClass)};
    default:
        return {};
    }
}

void FilterModel::rebuildPointsForKind()
{
    switch (pointsKind) {
    case ConfiguredAddresses:
        fillPointSettingItems(ConfiguredSet);
        return;
    case FreeAddresses:
        fillPointSettingItems(FreeSet);
        return;
    case ResponderAddresses:
        rebuildResponderAddresses();
        return;
    default:
        break;
    }
    const QVector<Filter> chain = chainForKind();
    if (chain.isEmpty())
        return;
    ModelFacade facade(&pointsModel, SimplePointFilter::chainOf(chain), selectedPanel);
    facade.run();
}

// The loop's real points that answer, then every address of its paired
// range that the controller finds a device at.
void FilterModel::rebuildResponderAddresses()
{
    ModelFacade configured(&pointsModel, selectedPanel);
    AllPointsFacade responders(&pointsModel, {}, selectedPanel, 0, quint8(channelKind), channelAddress, AllPoints);
    configured.setFilter(SimplePointFilter::chainOf({make<LoopCfgFilter>(channelAddress, false),
                                                     make<PointDataMapFilter>(TaskMapPages::NotResponding, true),
                                                     make<RealPhysicalPointFilter>()}));
    configured.run();
    responders.setFilter(make<PointDataMapFilter>(TaskMapPages::UnconfiguredResponders, false));
    responders.run();
}

int FilterModel::addressesOfPoint(const PointAddressKey &record)
{
    if (!(record.attributes & MultiAddressDevice))
        return 1;
    const int count = deviceTypeAddressCount(record.deviceType);
    return qBound(1, count, LastAddress + 1 - record.pointNumber);
}

void FilterModel::computeAddressSets()
{
    m_configuredAddresses.clear();
    m_extraAddresses.clear();
    m_freeAddresses.clear();
    walkPoints(selectedPanel, {make<LoopCfgFilter>(channelAddress, false)},
               [&](const ChannelAddress &, const PointAddressKey &record) {
                   m_configuredAddresses.insert(record.pointNumber);
                   const int addresses = addressesOfPoint(record);
                   for (int extra = 1; extra < addresses; ++extra)
                       m_extraAddresses.insert(quint8(record.pointNumber + extra));
               });
    m_extraAddresses.subtract(m_configuredAddresses);
    QSet<quint8> deleted;
    QSet<quint8> changed;
    CachedModifiedPoints::deletedPoints(selectedPanel, channelAddress, deleted, false);
    CachedModifiedPoints::presentPoints(selectedPanel, channelAddress, changed, false);
    m_configuredAddresses.subtract(deleted);
    m_extraAddresses.subtract(deleted);
    m_configuredAddresses.unite(changed);
    const model::AddressRange range = model::instance()->loopAddressRange(selectedPanel, channelAddress);
    for (int address = range.first; address <= range.second; ++address) {
        const auto at = quint8(address);
        if (!m_configuredAddresses.contains(at) && !m_extraAddresses.contains(at))
            m_freeAddresses.insert(at);
    }
}

void FilterModel::fillPointSettingItems(AddressSet set)
{
    pointsModel.clearModel();
    computeAddressSets();
    const QSet<quint8> &addresses = set == ConfiguredSet ? m_configuredAddresses : m_freeAddresses;
    for (const quint8 address : ascending(addresses)) {
        pointsModel.appendRow(selectable(new FilteredModelPointSettingItem(
            selectedPanel, LoopKind, LoopChannelNumber, channelAddress, address, 0, 0, 0,
            FilteredRoles::NoWalkTestSelector, FilteredRoles::NoWalkTestKind, m_showPointNumbers)));
    }
}

int FilterModel::addressCountOfPoint(quint8 address)
{
    int count = 0;
    walkPoints(selectedPanel,
               {make<LoopCfgFilter>(channelAddress, false), make<PointCfgFilter>(LoopKind, LoopChannelNumber, address)},
               [&](const ChannelAddress &, const PointAddressKey &record) {
                   if (count == 0)
                       count = addressesOfPoint(record);
               });
    return count;
}

int FilterModel::addressSpan(quint8 address, bool extend)
{
    const auto freeRunFrom = [this](int first) {
        int run = 0;
        while (first + run <= LastAddress && m_freeAddresses.contains(quint8(first + run)))
            ++run;
        return run;
    };
    if (m_freeAddresses.contains(address))
        return freeRunFrom(address);
    ModifiedPointRecord cached;
    int count = 0;
    if (CachedModifiedPoints::findPoint(packedLoopPoint(selectedPanel, channelAddress, address), cached)
        && cached.kind == ModifiedPointRecord::Changed)
        count = cached.remainingAddresses + 1;
    else
        count = addressCountOfPoint(address);
    if (extend)
        count += freeRunFrom(address + count);
    return count;
}

void FilterModel::updateAddressCount()
{
    ModifiedPointRecord cached;
    if (CachedModifiedPoints::findPoint(packedLoopPoint(selectedPanel, channelAddress, pointAddress), cached)
        && cached.kind == ModifiedPointRecord::Changed) {
        if (cached.role == ModifiedPointRecord::SingleAddress || cached.role == ModifiedPointRecord::FurtherAddress)
            addressCount = 1;
        else if (cached.role == ModifiedPointRecord::FirstAddress)
            addressCount = quint16(cached.remainingAddresses + 1);
        return;
    }
    addressCount = quint16(addressCountOfPoint(pointAddress));
}

void FilterModel::fillDevices()
{
    m_deviceTypesForPoint.clearModel();
    const int span = addressSpan(pointAddress, extendOverFreeAddresses);
    const QVector<DeviceUse> table = deviceUseTable();
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    const model *panels = model::instance();
    QSet<quint8> taken;
    QMap<QString, quint8> byDescription;
    for (int i = 0; i < table.size(); ++i) {
        const DeviceUse &use = table.at(i);
        int needed = 1;
        if (use.kind == FirstAddressUse) {
            for (int next = i + 1; next < table.size() && table.at(next).kind == FurtherAddressUse; ++next)
                ++needed;
        } else if (use.kind != SingleAddressUse) {
            continue;
        }
        if (taken.contains(use.deviceType) || needed > span)
            continue;
        taken.insert(use.deviceType);
        byDescription.insert(panels->deviceDescription(use.deviceType, language), use.deviceType);
    }
    for (const quint8 type : qAsConst(byDescription))
        m_deviceTypesForPoint.appendRow(selectable(new FilteredModelDeviceItem(type)));
}

void FilterModel::fillDeviceUses()
{
    m_deviceUses.clearModel();
    const int span = addressSpan(pointAddress, extendOverFreeAddresses);
    struct Pending
    {
        quint16 use = 0;
        QString text;
        int count = 0;
    };
    Pending pending;
    const auto closeRun = [&] {
        if (pending.count > 0 && span >= pending.count)
            m_deviceUses.appendRow(selectable(new FilteredDeviceUseItem(pending.use, pending.text, pending.count)));
        pending = Pending();
    };
    for (const DeviceUse &use : deviceUseTable()) {
        if (use.kind != FurtherAddressUse)
            closeRun();
        if (use.deviceType != deviceType)
            continue;
        if (use.kind == SingleAddressUse)
            m_deviceUses.appendRow(selectable(new FilteredDeviceUseItem(use.use, use.text, 1)));
        else if (use.kind == FirstAddressUse)
            pending = {use.use, use.text, 1};
        else if (use.kind == FurtherAddressUse && pending.count > 0)
            ++pending.count;
    }
    closeRun();
}

// Each point counts with the logical number it will have once the cached
// changes are sent: none when deleted, the cached one when changed.
void FilterModel::addUsedLogicalNumbers(quint8 loop, QHash<quint8, int> &used)
{
    walkPoints(
        selectedPanel, {make<LoopCfgFilter>(loop, false), make<ZoneCfgFilter>(zoneList)},
        [&](const ChannelAddress &, const PointAddressKey &record) {
            quint8 number = record.logicalPointNumber;
            ModifiedPointRecord cached;
            if (CachedModifiedPoints::findPoint(packedLoopPoint(selectedPanel, loop, record.pointNumber), cached)) {
                if (cached.kind == ModifiedPointRecord::Deleted)
                    return;
                if (cached.kind == ModifiedPointRecord::Changed)
                    number = cached.logicalPointNumber;
            }
            ++used[number];
        });
}

void FilterModel::fillPointsForSelection()
{
    m_logicalNumbers.clearModel();
    m_offeredLogicalNumbers.clear();
    if (!TeskGlobalConfig::instance()->getLogicalAddr())
        return;
    QHash<quint8, int> counted;
    addUsedLogicalNumbers(channelAddress, counted);
    const quint8 partner = LoopDriverConfiguration::instance()->pairedLoop(selectedPanel, channelAddress);
    if (partner != 0)
        addUsedLogicalNumbers(partner, counted);
    QSet<quint8> used;
    for (auto it = counted.constBegin(); it != counted.constEnd(); ++it)
        used.insert(it.key());
    if (used.isEmpty())
        CachedModifiedPoints::modifiedPoints(selectedPanel, channelAddress, used, false);
    const int span = addressCount;
    for (int number = 1; number <= LastLogicalNumber; ++number) {
        bool offered = span == 0 || number == logicalPointNumber;
        if (!offered && number + span - 1 <= LastLogicalNumber) {
            offered = true;
            for (int taken = number; taken < number + span && offered; ++taken)
                offered = !used.contains(quint8(taken));
        }
        if (!offered)
            continue;
        m_logicalNumbers.appendRow(
            selectable(new QStandardItem(QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')))));
        m_offeredLogicalNumbers.append(quint8(number));
    }
}

QMap<quint8, quint8> FilterModel::logicalNumberMap() const
{
    QMap<quint8, quint8> map;
    const int first = m_offeredLogicalNumbers.indexOf(logicalPointNumber);
    if (first < 0)
        return map;
    for (int i = 0; i < addressCount && first + i < m_offeredLogicalNumbers.size() && pointAddress + i <= LastAddress;
         ++i)
        map.insert(quint8(pointAddress + i), m_offeredLogicalNumbers.at(first + i));
    return map;
}

QSet<quint8> FilterModel::logicalNumberSet() const
{
    const QList<quint8> numbers = logicalNumberMap().values();
    return QSet<quint8>(numbers.cbegin(), numbers.cend());
}

void FilterModel::loadSelectedPointSettings()
{
    const auto kind = quint8(channelKind);
    const auto number = quint8(channelNumber);
    model *panels = model::instance();
    ModifiedPointRecord cached;
    if (CachedModifiedPoints::findPoint(packedLoopPoint(selectedPanel, channelAddress, pointAddress), cached)) {
        if (cached.kind != ModifiedPointRecord::Changed)
            return;
        deviceUse = cached.deviceUse;
        deviceType = deviceUse == ConfiguredDeviceUse
                         ? panels->pointDeviceType(selectedPanel, kind, number, channelAddress, pointAddress)
                         : panels->deviceUseDeviceType(deviceUse);
        setZone(cached.zone);
        pointText = cached.text;
        logicalPointNumber = cached.logicalPointNumber;
        return;
    }
    deviceType = panels->pointDeviceType(selectedPanel, kind, number, channelAddress, pointAddress);
    deviceUse = ConfiguredDeviceUse;
    setZone(panels->pointZone(selectedPanel, kind, number, channelAddress, pointAddress));
    if (TeskGlobalConfig::instance()->getLogicalAddr())
        logicalPointNumber = panels->logicalPointNumber(selectedPanel, kind, number, channelAddress, pointAddress);
    pointText = panels->pointName(selectedPanel, kind, number, channelAddress, pointAddress,
                                  TeskGlobalConfig::instance()->getCurrentLang());
}

#include "GeneratedSite.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/PointCoreConfiguration.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/FunctionStatusQueryModel.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// A large network: 100 panels of 8 loops with 250 points each.
constexpr int Panels = 100;
constexpr int Loops = 8;
constexpr int PointsPerLoop = 250;
constexpr quint8 AllPanels = 255;
constexpr quint8 LoggedPanel = 5;
constexpr int LoggedEvents = EL_EventLogDBbase::MaxEvents;
constexpr int Detectors = 0x01;
constexpr int Sounders = 0x08;
constexpr int ScreenRows = 8;

// Every fourth point a sounder, the rest detectors with a remote
// indicator output; every tenth point no physical device.
PointAddressKey pointRecord(int point)
{
    const bool sounder = point % 4 == 0;
    quint8 attributes = sounder ? 0x05 : 0x07;
    if (point % 10 == 0)
        attributes |= 0x08;
    return PointAddressKey(quint8(point), quint8(point % 200 + 1), sounder ? 9 : 5, attributes,
                           sounder ? Sounders : Detectors, 251);
}

void buildNetwork()
{
    GeneratedSite::build({Panels, Loops, PointsPerLoop}, [](int, int, int point) { return pointRecord(point); });
}

// A full log: faults and warnings of panel 5's points, a tenth restored.
void buildLog()
{
    static bool built = false;
    if (built)
        return;
    built = true;
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    for (int seqNo = 1; seqNo <= LoggedEvents; ++seqNo) {
        EventLog::EventData event;
        event.seqNo = EventLog::SeqNum_t(seqNo);
        event.node = LoggedPanel;
        event.channel = 12;
        event.channelAddr = quint8(seqNo % Loops + 1);
        event.pointNum = quint8(seqNo * 7 % PointsPerLoop + 1);
        event.zone = quint8(event.pointNum % 200 + 1);
        event.eventCat = seqNo % 3 == 0 ? 6 : EventLog::CategoryFault;
        event.timeAndDate = 900000000u + quint32(seqNo);
        event.acceptStatus = 3;
        event.statusBits = seqNo % 10 == 0 ? 0x01 : 0x00;
        log->insertData(&event, false);
    }
}

// Points by function and status over every panel, for disabling.
void BM_Kind4AllPanels(benchmark::State &state)
{
    buildNetwork();
    FilterModel filters(nullptr, false);
    filters.selectedPanel = AllPanels;
    filters.pointsKind = FilterModel::FunctionStatusDisable;
    filters.functionMask = Detectors;
    filters.disableAction = 1;
    for (auto _ : state) {
        filters.rebuildPointsForKind();
        benchmark::DoNotOptimize(filters.pointsModel.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * (Panels - 1) * Loops * PointsPerLoop);
    state.counters["rows"] = filters.pointsModel.rowCount();
}
BENCHMARK(BM_Kind4AllPanels)->Unit(benchmark::kMillisecond);

// The points of panel 5 with unrestored faults, for disabling.
void BM_Kind9OverFullLog(benchmark::State &state)
{
    buildNetwork();
    buildLog();
    FilterModel filters(nullptr, false);
    filters.selectedPanel = LoggedPanel;
    filters.pointsKind = FilterModel::LoggedDisable;
    filters.disableAction = 1;
    filters.statusMask = 1 << EventLog::CategoryFault;
    for (auto _ : state) {
        filters.rebuildPointsForKind();
        benchmark::DoNotOptimize(filters.pointsModel.rowCount());
    }
    state.counters["rows"] = filters.pointsModel.rowCount();
}
BENCHMARK(BM_Kind9OverFullLog)->Unit(benchmark::kMillisecond);

// Every role of the rows a screen shows, as the delegates ask for them.
void BM_RolesOfAScreenful(benchmark::State &state)
{
    buildNetwork();
    FilterModel filters(nullptr, false);
    filters.selectedPanel = LoggedPanel;
    filters.pointsKind = FilterModel::ZoneLoopPoints;
    filters.rebuildPointsForKind();
    const QList<int> roles = {Qt::DisplayRole,
                              FilteredRoles::PanelRole,
                              FilteredRoles::ZoneRole,
                              FilteredRoles::PointRole,
                              FilteredRoles::LoopRole,
                              FilteredRoles::LogicalZoneRole,
                              FilteredRoles::ChannelNumberRole,
                              FilteredRoles::DeviceTagRole,
                              FilteredRoles::ForceActionRole,
                              FilteredRoles::DisableActionRole,
                              FilteredRoles::PointKeyRole,
                              FilteredRoles::ItemTypeRole,
                              FilteredRoles::AddressRole,
                              FilteredRoles::WalkTestKindRole,
                              FilteredRoles::WalkTestSelectorRole,
                              FilteredRoles::ZoneAddressRole,
                              FilteredRoles::ChannelKindRole,
                              FilteredRoles::ShownPointNumberRole};
    int first = 0;
    for (auto _ : state) {
        for (int row = first; row < first + ScreenRows; ++row) {
            const QModelIndex index = filters.pointsModel.index(row, 0);
            for (const int role : roles)
                benchmark::DoNotOptimize(index.data(role));
        }
        // The next screenful, so no address text comes from a warm cache.
        first = (first + ScreenRows) % (filters.pointsModel.rowCount() - ScreenRows);
    }
    state.SetItemsProcessed(state.iterations() * ScreenRows * roles.size());
}
BENCHMARK(BM_RolesOfAScreenful)->Unit(benchmark::kMicrosecond);

// The faults of every detector of the network, table refill and query.
void BM_FunctionStatusRefreshDetectors(benchmark::State &state)
{
    buildNetwork();
    buildLog();
    FunctionStatusQueryModel faults(Detectors, FunctionStatusQueryModel::FillingMode);
    for (auto _ : state) {
        faults.refresh();
        benchmark::DoNotOptimize(faults.rowCount());
    }
    state.counters["rows"] = faults.rowCount();
}
BENCHMARK(BM_FunctionStatusRefreshDetectors)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    EL_EventLogDBbase::destroyInstance();
    return 0;
}

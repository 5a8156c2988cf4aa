#include "GeneratedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointCoreConfiguration.h"
#include "pointmodels/CountFacade.h"
#include "pointmodels/CountModel.h"
#include "pointmodels/LoopCfgFilter.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/PointListUpdater.h"
#include "pointmodels/RealPhysicalPointFilter.h"
#include "pointmodels/RealPointFilter.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// A large network: 100 panels of 8 loops with 250 points each.
constexpr int Panels = 100;
constexpr int Loops = 8;
constexpr int PointsPerLoop = 250;
constexpr int NetworkPoints = Panels * Loops * PointsPerLoop;
constexpr quint8 AllPanels = 255;
constexpr quint8 ChangedPanel = 42;
// A point every chain below accepts, so the change shows in the list.
constexpr quint8 ChangedPoint = 102;

// One row per point with its address, as a status list keeps it.
class PointRowsModel final : public CountModel
{
public:
    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override
    {
        auto *row = new QStandardItem;
        row->setData(panel, 33);
        row->setData(record->zone, 34);
        row->setData(record->pointNumber, 35);
        row->setData(channel->address(), 38);
        placeRow({row});
    }
};

PointAddressKey pointRecord(int point, int zone)
{
    // Every tenth point is no physical device, so each filter has work.
    const quint8 attributes = point % 10 == 0 ? 0x08 : 0x02;
    return PointAddressKey(quint8(point), quint8(zone), 5, attributes, 0x01, 251);
}

void buildNetwork()
{
    GeneratedSite::build({Panels, Loops, PointsPerLoop},
                         [](int, int loop, int point) { return pointRecord(point, (loop * 10 + point) % 240); });
}

// The controller sends one point of panel 42 again: its record moves to the
// end of its loop, so the rebuilt list differs in order.
void changeOnePoint()
{
    const ChannelAddress loop3(12, 3, 0);
    PointCoreConfiguration::instance()->addPoint(ChangedPanel, loop3,
                                                 pointRecord(ChangedPoint, (30 + ChangedPoint) % 240));
}

QSharedPointer<SimplePointFilter> chain()
{
    QList<quint8> zones;
    for (int zone = 0; zone < 240; zone += 2)
        zones << quint8(zone);
    QSharedPointer<SimplePointFilter> head(new RealPointFilter);
    QSharedPointer<SimplePointFilter> loops(new LoopCfgFilter(255, false));
    QSharedPointer<SimplePointFilter> physical(new RealPhysicalPointFilter);
    QSharedPointer<SimplePointFilter> inZones(new ZoneCfgFilter(zones));
    physical->setNext(inZones);
    loops->setNext(physical);
    head->setNext(loops);
    return head;
}

// The whole network through the chain into a list: points walked per second.
void BM_WalkNetworkIntoList(benchmark::State &state)
{
    buildNetwork();
    PointRowsModel list;
    for (auto _ : state) {
        ModelFacade facade(&list, chain(), AllPanels);
        facade.run();
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * (NetworkPoints - Loops * PointsPerLoop));
    state.counters["rows"] = list.rowCount();
}
BENCHMARK(BM_WalkNetworkIntoList)->Unit(benchmark::kMillisecond);

// The same walk counting only: what the filters and the walk cost alone.
void BM_CountNetwork(benchmark::State &state)
{
    buildNetwork();
    int accepted = 0;
    for (auto _ : state) {
        accepted = 0;
        CountFacade facade(AllPanels, &accepted);
        facade.setFilter(chain());
        facade.run();
        benchmark::DoNotOptimize(accepted);
    }
    state.SetItemsProcessed(state.iterations() * (NetworkPoints - Loops * PointsPerLoop));
    state.counters["accepted"] = accepted;
}
BENCHMARK(BM_CountNetwork)->Unit(benchmark::kMillisecond);

// One point of panel 42 changes; a list of that panel (argument 42) or of
// the whole network (argument 255) is rebuilt whole.
void BM_RebuildListAfterOneChange(benchmark::State &state)
{
    buildNetwork();
    const auto panel = TC::panel_t(state.range(0));
    PointRowsModel list;
    for (auto _ : state) {
        state.PauseTiming();
        changeOnePoint();
        state.ResumeTiming();
        ModelFacade facade(&list, chain(), panel);
        facade.run();
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.counters["rows"] = list.rowCount();
}
BENCHMARK(BM_RebuildListAfterOneChange)->Arg(ChangedPanel)->Arg(AllPanels)->Unit(benchmark::kMicrosecond);

// A change patched into a list built once: only the changed loop's rows are
// looked at (goal 5 ms for the network).
void BM_UpdateListAfterOneChange(benchmark::State &state)
{
    buildNetwork();
    const auto panel = TC::panel_t(state.range(0));
    PointRowsModel list;
    PointListUpdater updater(&list, chain(), panel);
    updater.rebuild();
    const ChannelAddress loop3(12, 3, 0);
    PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    for (auto _ : state) {
        // The loop's first record is sent again each time, so every
        // iteration moves a point to the end and rewrites the loop's rows.
        state.PauseTiming();
        const PointAddressKey first = configuration->channels(ChangedPanel).at(2).records.first();
        configuration->addPoint(ChangedPanel, loop3, first);
        state.ResumeTiming();
        updater.pointChanged(ChangedPanel, loop3, first.pointNumber);
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.counters["rows"] = list.rowCount();
}
BENCHMARK(BM_UpdateListAfterOneChange)->Arg(ChangedPanel)->Arg(AllPanels)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

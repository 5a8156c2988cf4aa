#include "QuietBenchmarkMain.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/PointValueFetcher.h"

#include <QBitArray>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// A large network as a network-wide list walks it: panels 1 to 99, each
// with 8 loops of 253 points (200,376 points), and 241 zones per panel.
constexpr int FirstPanel = 1;
constexpr int LastPanel = 99;
constexpr int Loops = 8;
constexpr int PointsPerLoop = 253;
constexpr int NetworkPoints = (LastPanel - FirstPanel + 1) * Loops * PointsPerLoop;
constexpr int Zones = 241;
constexpr int DisabledZonesBucket = 20;
constexpr int DisabledInputs = 14;
constexpr int DisabledOutputs = 15;
constexpr quint8 AllPanels = 255;
constexpr quint8 AllZones = 255;
constexpr int Replies = 1000;

SimplePointInfo networkPoint(int index)
{
    const int panel = FirstPanel + index / (Loops * PointsPerLoop);
    const int loop = index / PointsPerLoop % Loops + 1;
    const int point = index % PointsPerLoop + 1;
    return SimplePointInfo{quint8(panel), 12, 0, quint8(loop), quint8(point)};
}

// Every sixth point a sounder, the rest detectors; every point disabled.
void buildDisabledNetwork()
{
    static bool built = false;
    if (built)
        return;
    built = true;
    TeskGlobalConfig::instance()->setPanelNumber(FirstPanel);
    PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    configuration->clearPanel(AllPanels);
    for (int panel = FirstPanel; panel <= LastPanel; ++panel) {
        for (int loop = 1; loop <= Loops; ++loop) {
            const ChannelAddress channel(12, quint8(loop), 0);
            configuration->addChannel(quint8(panel), channel, PointsPerLoop);
            QBitArray inputs(256);
            QBitArray outputs(256);
            for (int point = 1; point <= PointsPerLoop; ++point) {
                const bool sounder = point % 6 == 0;
                configuration->addPoint(quint8(panel), channel,
                                        PointAddressKey(quint8(point), quint8(point % Zones), sounder ? 9 : 5,
                                                        sounder ? 0x05 : 0x03, sounder ? 0x08 : 0x01, 251));
                (sounder ? outputs : inputs).setBit(point);
            }
            maps->setChannelPoints(DisabledInputs, quint8(panel), channel, inputs);
            maps->setChannelPoints(DisabledOutputs, quint8(panel), channel, outputs);
        }
    }
}

// The disabled points of every panel and zone, refilling a list that
// holds them already.
template <typename Model> void BM_FillDisabledPointsAllPanels(benchmark::State &state)
{
    buildDisabledNetwork();
    Model list;
    list.fillDisabledPoints(AllPanels, AllZones);
    for (auto _ : state)
        list.fillDisabledPoints(AllPanels, AllZones);
    state.SetItemsProcessed(state.iterations() * NetworkPoints);
    state.counters["rows"] = list.rowCount();
}
BENCHMARK_TEMPLATE(BM_FillDisabledPointsAllPanels, DisablementsModel)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FillDisabledPointsAllPanels, DisablementsAndStatusModel)->Unit(benchmark::kMillisecond);

void BM_FillDisabledZonesAllPanels(benchmark::State &state)
{
    const QString everyZone(Zones, QLatin1Char('1'));
    for (int panel = 0; panel < TC::cPanelCount; ++panel)
        BucketMaster::instance()->setValue(DisabledZonesBucket, QString::number(panel), everyZone);
    DisablementsModel list;
    list.fillDisabledZones(AllPanels);
    for (auto _ : state)
        list.fillDisabledZones(AllPanels);
    state.SetItemsProcessed(state.iterations() * TC::cPanelCount * Zones);
    state.counters["rows"] = list.rowCount();
}
BENCHMARK(BM_FillDisabledZonesAllPanels)->Unit(benchmark::kMillisecond);

// One reply for a point near the end of the list of every disabled point
// of the network reaches its row.
void BM_PointValueReplyReachesItsRow(benchmark::State &state)
{
    buildDisabledNetwork();
    DisablementsAndStatusModel list;
    list.fillDisabledPoints(AllPanels, AllZones);
    const SimplePointInfo point = networkPoint(NetworkPoints - 7);
    PointValueDetails values;
    list.fetcher().fetch(point, values);
    int redrawn = 0;
    QObject::connect(&list, &DisablementsAndStatusModel::updatedPointValueModel, [&redrawn] { ++redrawn; });
    for (auto _ : state)
        emit SyncClient::instance()->PointInformationValues(point, values, 0);
    state.SetItemsProcessed(state.iterations());
    state.counters["rows"] = list.rowCount();
    state.counters["redrawn"] = redrawn;
}
BENCHMARK(BM_PointValueReplyReachesItsRow)->Unit(benchmark::kMicrosecond);

void BM_RepliesIntoAFullFetcher(benchmark::State &state)
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    for (int index = 0; index < PointValueFetcher::MaxEntries; ++index)
        fetcher.fetch(networkPoint(index * 37), values);
    int stored = 0;
    QObject::connect(&fetcher, &PointValueFetcher::updatedPointValue, [&stored] { ++stored; });
    for (auto _ : state) {
        for (int reply = 0; reply < Replies; ++reply)
            fetcher.PointInformationValuesSlot(networkPoint(reply * 4 % PointValueFetcher::MaxEntries * 37), values);
    }
    state.SetItemsProcessed(state.iterations() * Replies);
    state.counters["stored"] = stored;
}
BENCHMARK(BM_RepliesIntoAFullFetcher)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}

#include "QuietBenchmarkMain.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/PointValueFetcher.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// A large network: 100 panels of 8 loops with 250 points each, and every
// zone of every panel disabled.
constexpr int Panels = 100;
constexpr int Loops = 8;
constexpr int PointsPerLoop = 250;
constexpr int NetworkPoints = Panels * Loops * PointsPerLoop;
constexpr int Zones = 241;
constexpr int DisabledZonesBucket = 20;
constexpr int Replies = 1000;

SimplePointInfo networkPoint(int index)
{
    const int panel = index / (Loops * PointsPerLoop);
    const int loop = index / PointsPerLoop % Loops + 1;
    const int point = index % PointsPerLoop + 1;
    return SimplePointInfo{quint8(panel), 12, 0, quint8(loop), quint8(point)};
}

void fillNetwork(CountModel &list)
{
    for (int index = 0; index < NetworkPoints; ++index) {
        const SimplePointInfo p = networkPoint(index);
        const ChannelAddress channel(quint8(p.channelKind | p.channelNumber << 4), p.channelAddress);
        const PointAddressKey record(p.point, quint8(index % Zones), 5, 0x03, 0x01, 251);
        list.addPoint(p.panel, &channel, &record);
    }
}

void BM_FillDisabledZonesAllPanels(benchmark::State &state)
{
    const QString everyZone(Zones, QLatin1Char('1'));
    for (int panel = 0; panel < Panels; ++panel)
        BucketMaster::instance()->setValue(DisabledZonesBucket, QString::number(panel), everyZone);
    DisablementsModel list;
    for (auto _ : state)
        list.fillDisabledZones(255);
    state.SetItemsProcessed(state.iterations() * Panels * Zones);
    state.counters["rows"] = list.rowCount();
}
BENCHMARK(BM_FillDisabledZonesAllPanels)->Unit(benchmark::kMillisecond);

// One reply for a point near the end of a list of the whole network
// reaches its row.
void BM_PointValueReplyReachesItsRow(benchmark::State &state)
{
    DisablementsAndStatusModel list;
    fillNetwork(list);
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

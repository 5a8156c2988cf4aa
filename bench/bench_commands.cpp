// Building and serialising commands: a force of 10,000 points on 8 loops,
// the list built and sent as its packets of at most 255 points; and the
// same list's disablement, numbered packet by packet.

#include "bench/QuietBenchmarkMain.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Points = 10000;
constexpr int Loops = 8;

SC_PointsIndividual forcedPoints()
{
    SC_PointsIndividual points;
    points.setPanel(1);
    for (int i = 0; i < Points; ++i)
        points.addPoint(12, quint8(i % Loops + 1), 0, quint8(i / Loops % 250 + 1));
    return points;
}

// What left for the link, so nothing is optimised away.
struct SentBytes
{
    qint64 bytes = 0;
};

void countSent(SyncClient *client, SentBytes &sent)
{
    QObject::connect(client, &SyncClient::SendPacket, client,
                     [&sent](quint8, const QByteArray &body) { sent.bytes += body.size(); });
}

void BM_BuildAndSendForce(benchmark::State &state)
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(int(state.range(0)) == 1 ? 600 : 0);
    SyncClient *client = SyncClient::instance();
    SentBytes sent;
    countSent(client, sent);
    for (auto _ : state) {
        const SC_PointsIndividual points = forcedPoints();
        client->sendForcePoints(1, points);
    }
    benchmark::DoNotOptimize(sent.bytes);
    state.SetItemsProcessed(state.iterations() * Points);
    state.SetBytesProcessed(sent.bytes);
    SyncClient::destroyInstance();
}
BENCHMARK(BM_BuildAndSendForce)->Arg(0)->Arg(1);

void BM_SendForceOfBuiltList(benchmark::State &state)
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SyncClient *client = SyncClient::instance();
    SentBytes sent;
    countSent(client, sent);
    const SC_PointsIndividual points = forcedPoints();
    for (auto _ : state)
        client->sendForcePoints(1, points);
    benchmark::DoNotOptimize(sent.bytes);
    state.SetItemsProcessed(state.iterations() * Points);
    state.SetBytesProcessed(sent.bytes);
    SyncClient::destroyInstance();
}
BENCHMARK(BM_SendForceOfBuiltList);

void BM_SendDisablement(benchmark::State &state)
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SyncClient *client = SyncClient::instance();
    SentBytes sent;
    countSent(client, sent);
    const SC_PointsIndividual points = forcedPoints();
    quint8 sequence = 1;
    for (auto _ : state)
        sequence = client->sendDisablePoints(2, DISABLEMENT_DISABLE, points, sequence);
    benchmark::DoNotOptimize(sequence);
    state.SetItemsProcessed(state.iterations() * Points);
    state.SetBytesProcessed(sent.bytes);
    SyncClient::destroyInstance();
}
BENCHMARK(BM_SendDisablement);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}

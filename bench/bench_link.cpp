// Framing and receive-dispatch throughput for a controller's stream of mixed
// frames: heartbeats, supervision, connection requests, packets the engine
// does not handle and frames of other channels, read in chunks of a given
// size.

#include "bench/QuietBenchmarkMain.h"
#include "core/BucketMaster.h"
#include "link/SC_LinkFramer.h"
#include "link/SC_LinkLayer.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "tests/common/FakeTransport.h"
#include "tests/common/PacketBytes.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int FramesPerPattern = 6;
constexpr int Patterns = 2000;

const QByteArray &mixedStream()
{
    static const QByteArray stream = [] {
        QByteArray pattern;
        pattern += SC_LinkFramer::frame(0, QByteArray::fromHex("010201"));
        pattern += SC_LinkFramer::frame(1, supportPacket(hex("1901020300"), false));
        pattern += SC_LinkFramer::frame(1, supportPacket(hex("1906010001"), false));
        pattern += SC_LinkFramer::frame(1, supportPacket(hex("1200060001000205"), false));
        pattern += SC_LinkFramer::frame(1, controllerPacket(139, QByteArray(120, '\x11'), false));
        pattern += SC_LinkFramer::frame(2, QByteArray(40, '\x22'));
        QByteArray all;
        for (int i = 0; i < Patterns; ++i)
            all += pattern;
        return all;
    }();
    return stream;
}

void feedInChunks(FakeTransport &transport, const QByteArray &stream, int chunk)
{
    for (int at = 0; at < stream.size(); at += chunk)
        transport.receive(stream.mid(at, chunk));
}

void BM_Framing(benchmark::State &state)
{
    FakeTransport transport{FakeTransport::discard()};
    SC_LinkLayer link(&transport);
    link.Start();
    qint64 packets = 0;
    QObject::connect(&link, &SC_LinkLayer::Packet, [&packets](const SyncPacket &) { ++packets; });
    const QByteArray &stream = mixedStream();
    for (auto _ : state)
        feedInChunks(transport, stream, int(state.range(0)));
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * FramesPerPattern * Patterns);
    benchmark::DoNotOptimize(packets);
}
BENCHMARK(BM_Framing)->Arg(64)->Arg(1460)->Arg(65536);

void BM_FramingAndDispatch(benchmark::State &state)
{
    FakeTransport transport{FakeTransport::discard()};
    SC_LinkLayer link(&transport);
    Supervisor supervisor;
    SyncClient *client = SyncClient::instance();
    client->feedStateStore(BucketMaster::instance());
    client->connectLinkLayer(&link);
    link.Start();
    const QByteArray &stream = mixedStream();
    for (auto _ : state)
        feedInChunks(transport, stream, int(state.range(0)));
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * FramesPerPattern * Patterns);
}
BENCHMARK(BM_FramingAndDispatch)->Arg(1460)->Arg(65536);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}

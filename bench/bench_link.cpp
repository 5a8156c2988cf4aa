// Framing and receive-dispatch throughput for a controller's steady traffic:
// heartbeats, supervision requests, a packet the engine does not handle and
// a frame of another channel, read in chunks of a given size; none of them
// is stored. A connection request, which a controller sends once per
// connection, is timed on its own row with each other kind, so that no
// kind's cost hides in the mix. A separate row dispatches live events, each
// stored in the event log, and a copy of the same bytes gives the machine's
// reference.

#include "bench/QuietBenchmarkMain.h"
#include "core/BucketMaster.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "link/SC_LinkFramer.h"
#include "link/SC_LinkLayer.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "tests/common/EventLogBytes.h"
#include "tests/common/FakeTransport.h"
#include "tests/common/PacketBytes.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

enum FrameKind { Heartbeat, SupervisionStart, SupervisionStatus, Unhandled, OtherChannel, ConnectionRequest, Kinds };

const char *const KindNames[Kinds] = {"heartbeat", "supervision start", "supervision status",
                                      "unhandled", "other channel",     "connection request"};

QByteArray frameOf(FrameKind kind)
{
    switch (kind) {
    case Heartbeat:
        return SC_LinkFramer::frame(0, QByteArray::fromHex("010201"));
    case SupervisionStart:
        return SC_LinkFramer::frame(1, supportPacket(hex("1901020300"), false));
    case SupervisionStatus:
        return SC_LinkFramer::frame(1, supportPacket(hex("1906010001"), false));
    case Unhandled:
        return SC_LinkFramer::frame(1, controllerPacket(200, QByteArray(120, '\x11'), false));
    case OtherChannel:
        return SC_LinkFramer::frame(2, QByteArray(40, '\x22'));
    case ConnectionRequest:
    case Kinds:
        break;
    }
    return SC_LinkFramer::frame(1, supportPacket(hex("1200060001000205"), false));
}

constexpr int SteadyKinds = ConnectionRequest;
constexpr int Patterns = 2000;

const QByteArray &mixedStream()
{
    static const QByteArray stream = [] {
        QByteArray pattern;
        for (int kind = 0; kind < SteadyKinds; ++kind)
            pattern += frameOf(FrameKind(kind));
        return pattern.repeated(Patterns);
    }();
    return stream;
}

// Live events with consecutive sequence numbers, as a burst brings them.
constexpr int StoredEvents = 2000;

const QByteArray &eventStream()
{
    static const QByteArray stream = [] {
        QByteArray all;
        WireEvent event;
        for (int i = 0; i < StoredEvents; ++i) {
            event.seqNo = quint16(i + 1);
            event.pointNum = quint8(1 + i % 250);
            all += SC_LinkFramer::frame(1, event.packet());
        }
        return all;
    }();
    return stream;
}

void BM_MemcpyReference(benchmark::State &state)
{
    const QByteArray &stream = mixedStream();
    std::vector<char> copy(size_t(stream.size()));
    for (auto _ : state) {
        std::memcpy(copy.data(), stream.constData(), copy.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(BM_MemcpyReference);

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
    QObject::connect(&link, &SC_LinkLayer::Packets,
                     [&packets](const QVector<SyncPacket> &read) { packets += read.size(); });
    const QByteArray &stream = mixedStream();
    for (auto _ : state)
        feedInChunks(transport, stream, int(state.range(0)));
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * SteadyKinds * Patterns);
    benchmark::DoNotOptimize(packets);
}
BENCHMARK(BM_Framing)->Arg(64)->Arg(1460)->Arg(65536);

// The engine's receiving side as it runs: link layer, supervisor and the
// client that dispatches into the state store.
class DispatchRig final
{
public:
    DispatchRig()
        : link(&transport)
    {
        SyncClient *client = SyncClient::instance();
        client->feedStateStore(BucketMaster::instance());
        client->connectLinkLayer(&link);
        link.Start();
    }

    FakeTransport transport{FakeTransport::discard()};
    SC_LinkLayer link;
    Supervisor supervisor;
};

void BM_FramingAndDispatch(benchmark::State &state)
{
    DispatchRig rig;
    const QByteArray &stream = mixedStream();
    for (auto _ : state)
        feedInChunks(rig.transport, stream, int(state.range(0)));
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * SteadyKinds * Patterns);
}
BENCHMARK(BM_FramingAndDispatch)->Arg(1460)->Arg(65536);

// One kind of frame only, 2,000 in a row, read in 64 KiB chunks.
void BM_DispatchOneKind(benchmark::State &state)
{
    const auto kind = FrameKind(state.range(0));
    state.SetLabel(KindNames[kind]);
    DispatchRig rig;
    const QByteArray stream = frameOf(kind).repeated(Patterns);
    for (auto _ : state)
        feedInChunks(rig.transport, stream, 65536);
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * Patterns);
}
BENCHMARK(BM_DispatchOneKind)->DenseRange(0, Kinds - 1);

// Each frame a live event: dispatched, stored and acknowledged. The log is
// emptied between runs, so every run stores the same events afresh.
void BM_FramingDispatchAndStorage(benchmark::State &state)
{
    DispatchRig rig;
    const QByteArray &stream = eventStream();
    for (auto _ : state) {
        state.PauseTiming();
        EL_EventLogDBbase::destroyInstance();
        EL_EventLogDBbase::instance();
        state.ResumeTiming();
        feedInChunks(rig.transport, stream, int(state.range(0)));
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetItemsProcessed(state.iterations() * StoredEvents);
}
BENCHMARK(BM_FramingDispatchAndStorage)->Arg(65536)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}

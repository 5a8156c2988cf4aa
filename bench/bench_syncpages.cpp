// Sync-page handling: a full data update of the status counts (page 5) of a
// 100-panel network, each part acknowledged, received packet by packet by
// the protocol client with the state store attached.

#include "bench/QuietBenchmarkMain.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"
#include "tests/common/PacketBytes.h"

#include <QVector>

#include <benchmark/benchmark.h>

namespace {

constexpr int Panels = 100;
constexpr int StatusCountsPage = 5;
constexpr int Counts = 18;

// A page-5 part for the panel asking for an acknowledgement; every count
// differs with the round, so each update really changes the store.
QByteArray statusCountsPart(quint8 panel, quint16 round)
{
    QByteArray body(1, '\0');
    for (int i = 0; i < Counts; ++i)
        appendUInt16(body, quint16(round + i + panel));
    body += hex("01 07 0002 05");
    return syncPagePart(StatusCountsPage, panel, 0, 0x01020304, body, true, 10);
}

void BM_StatusCountsFullUpdate(benchmark::State &state)
{
    SyncClient *client = SyncClient::instance();
    client->feedStateStore(BucketMaster::instance());
    SC_PageHandlerTable::registerWith(client);
    QVector<QVector<SyncPacket>> rounds(2);
    for (int round = 0; round < rounds.size(); ++round) {
        for (int panel = 0; panel < Panels; ++panel)
            rounds[round].append(
                SyncPacket{SyncClient::LkSpeakChannel, statusCountsPart(quint8(panel), quint16(round))});
    }
    qint64 acknowledgements = 0;
    QObject::connect(client, &SyncClient::SendPacket, [&acknowledgements] { ++acknowledgements; });
    int round = 0;
    for (auto _ : state) {
        for (const SyncPacket &part : qAsConst(rounds[round]))
            client->ReceivedPacket(part);
        round = 1 - round;
    }
    state.counters["pages"] = benchmark::Counter(double(state.iterations() * Panels), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(acknowledgements);
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
}
BENCHMARK(BM_StatusCountsFullUpdate);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}

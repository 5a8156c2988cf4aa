#include "link/SC_PacketBuffer.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/SC_PageHandlers.h"
#include "tests/common/PacketBytes.h"

#include <QByteArray>
#include <QSharedPointer>
#include <QVector>

#include <benchmark/benchmark.h>
#include <cstddef>

// Under AddressSanitizer the heap is its own and the C library's statistics
// stay empty; its runtime counts the bytes instead.
#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

// A large network: every panel's page 8 in one part.
constexpr int Panels = 100;
constexpr int LoopsPerPanel = 8;
constexpr int PointsPerLoop = 250;
constexpr int PointsInNetwork = Panels * LoopsPerPanel * PointsPerLoop;

namespace {

std::size_t allocatedBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

QByteArray pointCorePage(int panel)
{
    QByteArray body(1, '\1');
    appendUInt16(body, LoopsPerPanel);
    for (int loop = 1; loop <= LoopsPerPanel; ++loop) {
        body.append(char(12)).append(char(loop)).append(char(1)).append(char(PointsPerLoop));
        for (int point = 1; point <= PointsPerLoop; ++point) {
            const char record[] = {char(1 + point % 40), 0,          0,
                                   char(0x02),           char(0x01), char(1 + (loop * PointsPerLoop + point) % 200),
                                   char(point)};
            body.append(record, sizeof record);
        }
    }
    return syncPagePart(8, quint8(panel), 0, 0x01010101, body);
}

const QVector<QByteArray> &networkPages()
{
    static const QVector<QByteArray> pages = [] {
        QVector<QByteArray> all;
        for (int panel = 0; panel < Panels; ++panel)
            all.append(pointCorePage(panel));
        return all;
    }();
    return pages;
}

void loadNetwork()
{
    SC_PacketHandler *handler = sc_PointCoreConfiguration_Page::handler();
    for (const QByteArray &page : networkPages())
        handler->dispatchPage(nullptr, QSharedPointer<SC_PacketBuffer>::create(page));
}

// Page 8 of every panel parsed and stored, as after a full resynchronisation.
void BM_PointCorePages(benchmark::State &state)
{
    networkPages();
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    for (auto _ : state) {
        core->clearPanel(255);
        loadNetwork();
    }
    state.SetItemsProcessed(state.iterations() * PointsInNetwork);

    core->clearPanel(255);
    const std::size_t before = allocatedBytes();
    loadNetwork();
    state.counters["config_bytes"] = double(allocatedBytes() - before);
    state.counters["bytes_per_point"] = double(allocatedBytes() - before) / PointsInNetwork;
}
BENCHMARK(BM_PointCorePages)->Unit(benchmark::kMillisecond);

// One walk over every configured point of the network, as a list build does.
void BM_PointCoreWalk(benchmark::State &state)
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->clearPanel(255);
    loadNetwork();
    for (auto _ : state) {
        int points = 0;
        for (int panel = 0; panel < Panels; ++panel) {
            PointCoreIterator *iterator = core->pointIterator(quint8(panel));
            while (iterator->next())
                points += iterator->currentRecord()->zone != 0;
        }
        benchmark::DoNotOptimize(points);
    }
    state.SetItemsProcessed(state.iterations() * PointsInNetwork);
}
BENCHMARK(BM_PointCoreWalk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

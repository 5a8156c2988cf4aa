#include "core/BucketMaster.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// A large network's status bucket holds about this many keys.
constexpr int StatusKeys = 100000;
constexpr int StatusBucket = 5;

namespace {

QString keyFor(int index)
{
    // Spread over 100 panels, like the per-panel status keys.
    return QStringLiteral("%1|%2|item").arg(index % 100).arg(index / 100);
}

BucketMaster *filledStore()
{
    BucketMaster *store = BucketMaster::instance();
    store->clearAll();
    for (int i = 0; i < StatusKeys; ++i)
        store->setValue(StatusBucket, keyFor(i), QString::number(i));
    return store;
}

void BM_SetValue(benchmark::State &state)
{
    BucketMaster *store = filledStore();
    int i = 0;
    for (auto _ : state) {
        store->setValue(StatusBucket, keyFor(i % StatusKeys), QString::number(i));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetValue);

void BM_GetValue(benchmark::State &state)
{
    BucketMaster *store = filledStore();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->getValue(StatusBucket, keyFor(i % StatusKeys)));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetValue);

// Dropping one panel's keys, as a clear of that panel's pages does.
void BM_RemovePanelPrefix(benchmark::State &state)
{
    BucketMaster *store = filledStore();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 42; i < StatusKeys; i += 100)
            store->setValue(StatusBucket, keyFor(i), QStringLiteral("1"));
        state.ResumeTiming();
        store->receiveSyncCommand(BucketCmd{BucketCmd::RemoveKeysWithPrefix, StatusBucket, QStringLiteral("42|"), {}});
    }
    state.SetItemsProcessed(state.iterations() * (StatusKeys / 100));
}
BENCHMARK(BM_RemovePanelPrefix);

// The '*' search walks the whole bucket.
void BM_WildcardSearch(benchmark::State &state)
{
    BucketMaster *store = filledStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(store->GetBucketKeyList(StatusBucket, QStringLiteral("42|*|item")));
    state.SetItemsProcessed(state.iterations() * StatusKeys);
}
BENCHMARK(BM_WildcardSearch);

void BM_PrefixSearch(benchmark::State &state)
{
    BucketMaster *store = filledStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            store->GetBucketKeyListWithPrefix(StatusBucket, QStringLiteral("42|"), QStringLiteral("*|item")));
    state.SetItemsProcessed(state.iterations() * (StatusKeys / 100));
}
BENCHMARK(BM_PrefixSearch);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

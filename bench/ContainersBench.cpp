// The deque as the datasets use it: rows in blocks of 200, a million of them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "base/MacDeque.h"

namespace {

constexpr std::int32_t kItems = 1000000;
constexpr std::int32_t kBlock = 200;

void Fill(TMacDeque& d, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i)
        d.DoInsertAfterCurrent(reinterpret_cast<void*>(static_cast<std::intptr_t>(i)));
}

// Walking forward one row at a time, as a dataset's Next does.
void BM_DequeForwardWalk(benchmark::State& state) {
    TMacDeque d(kBlock);
    Fill(d, kItems);
    d.SetCurrentPosition(0);
    std::int32_t i = 0;
    for (auto _ : state) {
        if (i + 1 >= kItems) i = -1;
        d.SetCurrentPosition(i + 1);
        ++i;
        benchmark::DoNotOptimize(d.GetCurrentData());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DequeForwardWalk);

void BM_DequeRandomPosition(benchmark::State& state) {
    TMacDeque d(kBlock);
    Fill(d, kItems);
    std::mt19937 rng(1);
    std::vector<std::int32_t> targets(4096);
    for (auto& t : targets) t = static_cast<std::int32_t>(rng() % kItems);
    std::size_t k = 0;
    for (auto _ : state) {
        d.SetCurrentPosition(targets[k++ & 4095]);
        benchmark::DoNotOptimize(d.GetCurrentData());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DequeRandomPosition);

constexpr int kInserts = 100000;

std::vector<std::int32_t> InsertPositions() {
    std::mt19937 rng(2);
    std::vector<std::int32_t> at(kInserts);
    for (int k = 0; k < kInserts; ++k)
        at[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(rng() % (kItems + k));
    return at;
}

// 100,000 inserts at random places into a million rows; one iteration is the whole batch.
void BM_DequeRandomInserts(benchmark::State& state) {
    auto at = InsertPositions();
    for (auto _ : state) {
        state.PauseTiming();
        auto* d = new TMacDeque(kBlock);
        Fill(*d, kItems);
        state.ResumeTiming();
        for (std::int32_t p : at) {
            d->SetCurrentPosition(p);
            d->DoInsertBeforeCurrent(nullptr);
        }
        state.PauseTiming();
        delete d;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kInserts);
}
BENCHMARK(BM_DequeRandomInserts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VectorRandomInserts(benchmark::State& state) {
    auto at = InsertPositions();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<void*> v(kItems);
        state.ResumeTiming();
        for (std::int32_t p : at) v.insert(v.begin() + p, nullptr);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * kInserts);
}
BENCHMARK(BM_VectorRandomInserts)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();

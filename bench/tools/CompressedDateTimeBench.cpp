#include <benchmark/benchmark.h>

#include <string>

#include "base/TdtTools.h"

namespace {

void BM_CompressedToString(benchmark::State& state) {
    TdtTools t(CombineDateTime(EncodeDate(2009, 3, 2), EncodeTime(14, 5, 6, 7)));
    for (auto _ : state) {
        std::string s = t.ToString(TdtTools::fmtDateTimeCompressed);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_CompressedToString);

void BM_CompressedFromString(benchmark::State& state) {
    const std::string text = "20090302140506007";
    TdtTools t;
    for (auto _ : state) {
        t.FromString(text, TdtTools::fmtDateTimeCompressed);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_CompressedFromString);

} // namespace

BENCHMARK_MAIN();

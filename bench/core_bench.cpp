// The two inner loops of every table run: the computation of all 118 elements for every N
// from -900 to 900, and the table text of every value such a run shows.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/elements.h"
#include "core/number_text.h"
#include "core/resonance.h"

namespace {

using namespace kolvenar;

constexpr int kLowestN = -900;
constexpr int kHighestN = 900;
constexpr double kCe = 2.42611E-12;

ResonanceParameters EveryColumnParameters() {
    // Both factors set, area and volume in prefixed units: every step of the computation runs.
    return MakeResonanceParameters(kCe, 2.0, 0.5, PowerOfTen(-12), PowerOfTen(-2));
}

void BM_ComputeAllCombinations(benchmark::State& state) {
    const ResonanceParameters parameters = EveryColumnParameters();
    ResonanceValues values;
    for (auto _ : state) {
        for (int z = 1; z <= kElementCount; ++z) {
            for (int n = kLowestN; n <= kHighestN; ++n) {
                benchmark::DoNotOptimize(ComputeResonanceValues(parameters, z, n, values));
                benchmark::DoNotOptimize(values);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kElementCount * (kHighestN - kLowestN + 1));
}
BENCHMARK(BM_ComputeAllCombinations)->Unit(benchmark::kMillisecond);

std::vector<double> ShownValuesOfAFullRun() {
    const ResonanceParameters parameters = EveryColumnParameters();
    std::vector<double> shown;
    ResonanceValues v;
    for (int z = 1; z <= kElementCount; ++z) {
        for (int n = kLowestN; n <= kHighestN; ++n) {
            ComputeResonanceValues(parameters, z, n, v);
            for (double x : {v.f, v.fFactor, v.L, v.LFactor, v.T, v.A, v.AHalf, v.V, v.VHalf}) {
                shown.push_back(RoundForDisplay(x, false));
            }
        }
    }
    return shown;
}

void BM_TableNumberText(benchmark::State& state) {
    const std::vector<double> shown = ShownValuesOfAFullRun();
    const NumberStyle style{",", true};
    char buffer[kNumberTextCapacity];
    for (auto _ : state) {
        for (double x : shown) {
            benchmark::DoNotOptimize(FormatNumber(x, style, buffer));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(shown.size()));
    state.counters["values"] = static_cast<double>(shown.size());
    state.counters["ns_per_value"] = benchmark::Counter(
        static_cast<double>(state.iterations() * static_cast<int64_t>(shown.size())),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_TableNumberText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

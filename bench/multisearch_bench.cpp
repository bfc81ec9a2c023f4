// The Mehrfachsuche's ranking of a list over all 118 elements and every N from -900 to 900:
// 1,000 values (the window keeps pace with typing up to this length, so one frame, 16.7 ms)
// and 10,000 values (at most 150 ms). "fresh" builds the matcher as a change of quantity, unit,
// tolerance or reference length does; "typing" ranks again with the matcher kept.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "multisearch/ranking.h"

namespace {

using namespace kolvenar;

// A spectrum: wavelengths spread evenly in the logarithm between 100 and 1000 nm.
std::vector<MeasuredValue> Spectrum(int count) {
    std::mt19937_64 engine(29);
    std::uniform_real_distribution<double> exponent(2.0, 3.0);
    std::vector<MeasuredValue> values;
    for (int i = 0; i < count; ++i) {
        values.push_back({std::pow(10.0, exponent(engine)), "", i + 1});
    }
    return values;
}

const MultiSearchRequest kRequest{MultiQuantity::Wavelength, kWavelengthUnits[2], 1,
                                  2.42611E-12};  // nm

void BM_RankingFresh(benchmark::State& state) {
    const std::vector<MeasuredValue> values = Spectrum(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const MultiMatcher matcher(kRequest);
        benchmark::DoNotOptimize(RankElements(matcher, values));
    }
}
BENCHMARK(BM_RankingFresh)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RankingTyping(benchmark::State& state) {
    const std::vector<MeasuredValue> values = Spectrum(static_cast<int>(state.range(0)));
    const MultiMatcher matcher(kRequest);
    RankElements(matcher, values);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RankElements(matcher, values));
    }
}
BENCHMARK(BM_RankingTyping)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

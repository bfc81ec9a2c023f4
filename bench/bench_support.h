#pragma once

// What the window benchmarks measure besides time: the process's peak memory; and how each
// case is registered.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <vector>

namespace kolvenar::bench {

constexpr int kRepetitions = 7;

// Peak resident memory of the whole process, in megabytes.
inline double PeakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return 0;
}

// Forgets the peak resident memory so far, so that the next reading is the peak of what
// follows.
inline void ResetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

// One timed run per repetition, the time reported by the case itself, with median, minimum and
// maximum.
template <typename Function>
void Register(const char* name, Function function) {
    benchmark::RegisterBenchmark(name, function)
        ->Iterations(1)
        ->Repetitions(kRepetitions)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics(
            "max",
            [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
        ->ReportAggregatesOnly(true);
}

}  // namespace kolvenar::bench

// The hit picture of the Mehrfachsuche, painted as the widget paints itself, into an image of
// its size (offscreen):
//
//   a  30 elements × 100 values at the picture's usual size, 900 × 600
//   b  the same on a large screen, 2560 × 1440, where the N fits into the cells and is written
//   c  a list of 10,000 values: the assignments of the first 30 elements computed and painted,
//      a column of pixels for several values
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "support/unattended_desktop.h"
#include "ui/windows/hit_picture.h"

namespace {

using namespace kolvenar;
using namespace kolvenar::bench;
using Clock = std::chrono::steady_clock;

// Wavelengths in m with Cx = 1 m: values spread over an octave, which every element's
// sequence crosses, so that the first 30 elements explain several of them each.
struct Picture {
    explicit Picture(int values)
        : matcher({MultiQuantity::Wavelength, kWavelengthUnits[6], 1, 1}), picture(desktop) {  // m
        std::string text;
        for (int i = 0; i < values; ++i) {
            text += std::to_string(1000 + 1000.0 * i / values) + "\n";
        }
        list = ReadValueList(text);
        ranking = RankElements(matcher, list.values);
    }

    UnattendedDesktop desktop{UnattendedDesktop::Questions::AnswerYes};
    MultiMatcher matcher;
    ValueList list;
    Ranking ranking;
    HitPicture picture;
};

void Paint(benchmark::State& state, int values, QSize size, bool computed) {
    Picture p(values);
    p.picture.resize(size);
    p.picture.Show(p.matcher, p.ranking, p.list.values);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        const auto start = Clock::now();
        if (computed) {
            p.picture.Show(p.matcher, p.ranking, p.list.values);
        }
        p.picture.render(&image);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["cells"] = p.picture.Grid().ElementCount() * p.picture.Grid().ValueCount();
}

void BM_a_Picture30x100(benchmark::State& state) {
    Paint(state, 100, {900, 600}, false);
}

void BM_b_Picture30x100Large(benchmark::State& state) {
    Paint(state, 100, {2560, 1440}, false);
}

void BM_c_Picture10000ValuesComputed(benchmark::State& state) {
    Paint(state, 10000, {900, 600}, true);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Register("a_picture_30x100_painted", BM_a_Picture30x100);
    Register("b_picture_30x100_painted_2560x1440", BM_b_Picture30x100Large);
    Register("c_picture_10000_values_computed_and_painted", BM_c_Picture10000ValuesComputed);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

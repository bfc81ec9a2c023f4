// Which N of an element explains a measured value, the chance of such matches, and the
// agreement with the main window's search.
#include "multisearch/matcher.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "multisearch/chance.h"
#include "multisearch/ranking.h"
#include "table/table_builder.h"

using namespace kolvenar;

namespace {

constexpr auto kExplained = Assignment::Kind::Explained;
constexpr auto kOutside = Assignment::Kind::Outside;
constexpr auto kNone = Assignment::Kind::NotComputable;

UnitEntry Unit(MultiQuantity quantity, std::string_view name) {
    for (const UnitEntry& unit : QuantityUnits(quantity)) {
        if (unit.name == name) {
            return unit;
        }
    }
    return kNoUnit;
}

}  // namespace

// With Cx = 1 m and hydrogen L is 2^N m, A is 4^N m² and V is 8^N m³.
TEST(MultiMatcher, NearestNTiesEdgesAndOverflow) {
    struct Case {
        MultiQuantity quantity;
        const char* unit;
        double cx, tolerance;
        int z;
        double measured;
        Assignment::Kind kind;
        int n;
        double computed, deviation;
    };
    using Q = MultiQuantity;
    // clang-format off
    for (const Case& c : std::initializer_list<Case>{
             {Q::Wavelength, "m", 2.42611E-12, 10, 1, 0.0208, kExplained, 33, 0.02084012621299712, 0.19291448556308358},
             {Q::Wavelength, "m", 1, 50, 1, 1.5, kExplained, 0, 1, -33.33333333333333},   // a tie: the lower N
             {Q::Wavelength, "m", 1, 10, 55, 100, kExplained, 1, 110, 10},  // the edge counts
             {Q::Wavelength, "m", 1, 9.99, 55, 100, kOutside, 1, 110, 10},
             {Q::Area, "m²", 1, 50, 1, 3, kExplained, 1, 4, 33.33333333333333},  // two octaves
             {Q::Area, "m²", 1, 50, 1, 2.5, kOutside, 0, 1, -60},
             {Q::Volume, "m³", 1, 50, 1, 6, kExplained, 1, 8, 33.33333333333333},  // three
             {Q::Volume, "m³", 1, 50, 1, 5, kOutside, 1, 8, 60},
             {Q::Area, "m²", 1, 50, 1, 1e308, kOutside, 511, 0x1p1022, -55.05767162844211},  // 4^512 overflows
             {Q::Energy, "eV", 1e-6, 1, 1, 1.24, kExplained, 0, 1.2398419843320025, -0.012743199032045323},
             {Q::Energy, "eV", 1e-6, 1, 2, 1.24, kExplained, -1, 1.2398419843320025, -0.012743199032045323},
             {Q::Wavenumber, "1/cm", 1e-2, 1, 1, 1.005, kExplained, 0, 1, -0.49751243781093124},
             {Q::Wavenumber, "1/cm", 1e-2, 1, 1, 2, kExplained, -1, 2, 0},
            {Q::Wavenumber, "1/cm", 1e-2, 50, 1, 1.5, kExplained, -1, 2, 33.33333333333333},  // a tie falling
             {Q::Frequency, "GHz", 1, 1, 1, 1e300, kNone, 0, 0, 0},  // beyond the double range in Hz
             {Q::Frequency, "Hz", -1, 1, 1, 1, kNone, 0, 0, 0},
         }) {
        // clang-format on
        const MultiMatcher matcher({c.quantity, Unit(c.quantity, c.unit), c.tolerance, c.cx});
        const Assignment a = matcher.MatchMeasured(c.z, c.measured);
        const std::string name =
            std::string(RowOf(c.quantity).symbol) + " " + std::to_string(c.measured);
        EXPECT_EQ(a.kind, c.kind) << name;
        EXPECT_EQ(a.n, c.n) << name;
        EXPECT_EQ(a.computed, c.computed) << name;
        EXPECT_EQ(a.deviation, c.deviation) << name;
    }
}

TEST(Chance, PerValueAndAtLeastK) {
    using Q = MultiQuantity;
    EXPECT_EQ(ChancePerValue(Q::Wavelength, 50), 1);  // capped
    EXPECT_EQ(ChancePerValue(Q::Energy, 50), 1);
    EXPECT_DOUBLE_EQ(ChancePerValue(Q::Area, 50), 0.792481250360578);
    EXPECT_DOUBLE_EQ(ChancePerValue(Q::Volume, 50), 0.5283208335737187);
    EXPECT_DOUBLE_EQ(ChancePerValue(Q::Frequency, 1), 0.028854862672184987);
    EXPECT_DOUBLE_EQ(ChancePerValue(Q::Volume, 20), 0.19498750024038533);

    EXPECT_EQ(ChanceOfAtLeast(0, 12, 0.1), 1);
    EXPECT_EQ(ChanceOfAtLeast(3, 12, 1), 1);
    EXPECT_EQ(ChanceOfAtLeast(13, 12, 0.1), 0);
    EXPECT_NEAR(ChanceOfAtLeast(1, 1, 0.3), 0.3, 1e-15);
    EXPECT_NEAR(ChanceOfAtLeast(8, 10, 0.5), 0.0546875, 1e-14);
    EXPECT_NEAR(ChanceOfAtLeast(3, 12, 0.1), 0.110869977745, 1e-12);
    EXPECT_NEAR(ChanceOfAtLeast(5000, 10000, 0.5), 0.5039893230696911, 1e-12);
    EXPECT_NEAR(ChanceOfAtLeast(30, 1000, 0.01) / 2.0599888509719576e-07, 1, 1e-10);
    EXPECT_EQ(ChanceOfAtLeast(10000, 10000, 0.01), 0);  // 1E-20000: no NaN, no overflow
}

// Over random n up to 10,000 and w down to 1E-6 the tail falls with k, stays a probability, and
// its sum over k is the mean n × w.
TEST(Chance, TailOfManyBinomials) {
    std::mt19937_64 engine(29);
    for (int round = 0; round < 40; ++round) {
        const int n = 1 + static_cast<int>(engine() % 10000);
        const double w =
            std::pow(10.0, -6.0 * std::uniform_real_distribution<double>(0, 1)(engine));
        double previous = 1;
        double sum = 0;
        for (int k = 1; k <= n + 1; ++k) {
            const double p = ChanceOfAtLeast(k, n, w);
            ASSERT_TRUE(p >= 0 && p <= previous) << n << " " << k << " " << w;
            previous = p;
            sum += p;
        }
        EXPECT_NEAR(sum / (n * w), 1, 1e-9) << n << " " << w;
    }
}

// For many random values the N each element explains a value with is the nearest of those the
// main window's search lists for that element, and an element explains a value exactly when
// that search lists some N for it.
TEST(MultiMatcher, AgreesWithTheMainSearch) {
    std::mt19937_64 engine(29);
    std::uniform_real_distribution<double> spread(0.4, 2.5);
    const std::array<double, 3> lengths = {2.42611E-12, 1.3214098555E-15, 57910000000};
    int explainedSomewhere = 0;
    for (int round = 0; round < 150; ++round) {
        const auto quantity = static_cast<Quantity>(round % kQuantityCount);
        const auto units = MainUnits(quantity);
        const UnitEntry unit = units[engine() % units.size()];
        const double tolerance = std::array{1.0, 5.0, 20.0, 50.0, 0.3}[engine() % 5];
        const double cx = lengths[engine() % lengths.size()];
        const MultiMatcher matcher({static_cast<MultiQuantity>(quantity), unit, tolerance, cx});
        // Near the value of some element and N, in the unit.
        double value = 0;
        const int z0 = 1 + static_cast<int>(engine() % kElementCount);
        if (!matcher.Evaluate(z0, static_cast<int>(engine() % 1201) - 600, value)) {
            continue;
        }
        const UnitScale toUnit = MakeUnitScale(unit.factor);
        const double measured = ApplyUnitScale(toUnit, value) * spread(engine);

        TableRequest request;
        request.searchMode = true;
        request.showDeviation = true;
        request.cx = cx;
        request.tolerance = tolerance;
        request.units[static_cast<std::size_t>(quantity)] = unit;
        request.searchValues[static_cast<std::size_t>(quantity)] = measured;
        request.elementChosen.fill(true);
        const TableRun run = RunTable(request, ChooseColumns(request));
        const std::size_t deviationColumn = run.table.ValueCount() - 1;
        for (int z = 1; z <= kElementCount; ++z) {
            const Assignment a = matcher.MatchMeasured(z, measured);
            double listedDeviation = HUGE_VAL;
            double nearest = HUGE_VAL;
            for (std::size_t row = 0; row < run.table.RowCount(); ++row) {
                if (run.table.ElementAt(row) != z) {
                    continue;
                }
                const double deviation = std::fabs(run.table.ValueAt(row, deviationColumn));
                nearest = std::min(nearest, deviation);
                if (run.table.NAt(row) == a.n) {
                    listedDeviation = deviation;
                }
            }
            const std::string where = "round " + std::to_string(round) + " Z " + std::to_string(z);
            ASSERT_EQ(a.kind == kExplained, nearest != HUGE_VAL) << where;
            if (a.kind == kExplained) {
                ++explainedSomewhere;
                EXPECT_EQ(listedDeviation, nearest) << where;
                EXPECT_EQ(std::fabs(ShownDeviation(a)), nearest) << where;
            }
        }
    }
    EXPECT_GT(explainedSomewhere, 1000);
}

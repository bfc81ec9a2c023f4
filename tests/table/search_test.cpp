// Which test a row found by a search passed nearest its target, and by how much.
#include "table/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "table/table_builder.h"

using namespace kolvenar;

namespace {

// A search for one quantity typed in its base unit: target, tolerance, factors on f and L.
struct Search {
    Quantity quantity;
    double target, tolerance, factorF, factorL;
};

struct Case {
    Search search;
    ResonanceValues values;
    const char* hit;
    double deviation;  // per cent, 4 places, half to even
};

constexpr auto kF = Quantity::Frequency;
constexpr auto kL = Quantity::Wavelength;
constexpr auto kV = Quantity::Volume;

}  // namespace

// The ties, the factors, the halves and quarter, deviations below the target and the rounding.
TEST(SearchHit, NearestTestAndItsDeviation) {
    // clang-format off
    for (const Case& c : std::initializer_list<Case>{
             {{kL, 3, 50, 0, 2}, {.L = 2, .LFactor = 4}, "L", -33.3333},  // a tie: the earlier
             {{kL, 100, 20, 0, 1.1}, {.L = 90, .LFactor = 99}, "L * 1,1", -1},
             {{kL, 100, 20, 0, 2}, {.L = 105, .LFactor = HUGE_VAL, .LFactorOverflow = true}, "L", 5},
             {{kL, 100, 20, 2, 0}, {.L = 101, .fFactor = 0}, "f * 2", 0},  // a target of 0
             {{kV, 100, 20, 0, 0}, {.V = 400, .VHalf = 200, .VQuarter = 100}, "V / 4", 0},
             {{kV, 100, 20, 0, 0}, {.V = 210, .VHalf = 105, .VQuarter = 52.5}, "V / 2", 5},
             {{Quantity::Area, 50, 10, 0, 0}, {.A = 104, .AHalf = 52}, "A / 2", 4},
             {{Quantity::Period, 8, 20, 0, 0}, {.T = 7}, "T", -12.5},
             {{kF, 100, 10, 0, 0}, {.f = 100.03125}, "f", 0.0312},
             {{kF, 100, 10, 0, 0}, {.f = 100.09375}, "f", 0.0938},
             {{kF, 100, 10, 0, 0}, {.f = 99.96875}, "f", -0.0312}}) {
        // clang-format on
        TableRequest request;
        request.searchMode = true;
        request.showAHalf = request.showVHalf = request.showVQuarter = true;
        request.searchValues[static_cast<std::size_t>(c.search.quantity)] = c.search.target;
        request.tolerance = c.search.tolerance;
        request.wunschfaktorF = c.search.factorF;
        request.wunschfaktorL = c.search.factorL;
        const SearchMatcher matcher(request);
        ASSERT_TRUE(matcher.Matches(c.values)) << c.hit;
        const SearchHit hit = matcher.BestHit(c.values);
        EXPECT_EQ(SearchTestNames(request, ",")[static_cast<std::size_t>(hit.test)], c.hit);
        EXPECT_EQ(hit.deviation, c.deviation) << c.hit;
    }
}

// All elements, 589 nm at 5 % with the factor 2 on L: each row names the test it passed.
TEST(SearchHit, WavelengthWithAFactor) {
    TableRequest request;
    request.searchMode = true;
    request.showDeviation = true;
    request.cx = 2.42611E-12;
    request.units[static_cast<std::size_t>(Quantity::Wavelength)] = kWavelengthUnits[2];  // nm
    request.searchValues[static_cast<std::size_t>(Quantity::Wavelength)] = 589;
    request.tolerance = 5;
    request.wunschfaktorF = 0.5;
    request.wunschfaktorL = 2;
    request.elementChosen.fill(true);
    const TableRun run = RunTable(request, ChooseColumns(request));
    const std::size_t hitColumn = run.table.ValueCount() - 2;  // then the deviation
    std::map<double, int> hits;
    for (std::size_t row = 0; row < run.table.RowCount(); ++row) {
        ++hits[run.table.ValueAt(row, hitColumn)];
    }
    EXPECT_EQ(hits, (std::map<double, int>{{1, 16}, {6, 16}}));
}

// Which test a row found by a search passed nearest its target, and by how much.
#include "table/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "table/table_builder.h"

using namespace kolvenar;

namespace {

struct Case {
    const char* what;
    Quantity quantity;  // typed in its base unit
    double target;
    double tolerance;
    double factorF;
    double factorL;
    ResonanceValues values;
    const char* hit;
    double deviation;  // per cent, 4 places, half to even
};

}  // namespace

TEST(SearchHit, NearestTestAndItsDeviation) {
    const double inf = HUGE_VAL;
    for (const Case& c : std::initializer_list<Case>{
             {"a tie goes to the earlier test",
              Quantity::Wavelength,
              3,
              50,
              0,
              2,
              {.L = 2, .LFactor = 4},
              "L",
              -33.3333},
             {"the factor's product nearer",
              Quantity::Wavelength,
              100,
              20,
              0,
              1.1,
              {.L = 90, .LFactor = 99},
              "L * 1,1",
              -1},
             {"an overflowed product is no hit",
              Quantity::Wavelength,
              100,
              20,
              0,
              2,
              {.L = 105, .LFactor = inf, .LFactorOverflow = true},
              "L",
              5},
             {"a factor test meets a target of 0 with 0",
              Quantity::Wavelength,
              100,
              20,
              2,
              0,
              {.L = 101, .fFactor = 0},
              "f * 2",
              0},
             {"the quarter",
              Quantity::Volume,
              100,
              20,
              0,
              0,
              {.V = 400, .VHalf = 200, .VQuarter = 100},
              "V / 4",
              0},
             {"the half",
              Quantity::Volume,
              100,
              20,
              0,
              0,
              {.V = 210, .VHalf = 105, .VQuarter = 52.5},
              "V / 2",
              5},
             {"half the area", Quantity::Area, 50, 10, 0, 0, {.A = 104, .AHalf = 52}, "A / 2", 4},
             {"the period below", Quantity::Period, 8, 20, 0, 0, {.T = 7}, "T", -12.5},
             {"half to even, down",
              Quantity::Frequency,
              100,
              10,
              0,
              0,
              {.f = 100.03125},
              "f",
              0.0312},
             {"half to even, up",
              Quantity::Frequency,
              100,
              10,
              0,
              0,
              {.f = 100.09375},
              "f",
              0.0938},
             {"half to even, below",
              Quantity::Frequency,
              100,
              10,
              0,
              0,
              {.f = 99.96875},
              "f",
              -0.0312}}) {
        TableRequest request;
        request.searchMode = true;
        request.showAHalf = request.showVHalf = request.showVQuarter = true;
        request.searchValues[static_cast<std::size_t>(c.quantity)] = c.target;
        request.tolerance = c.tolerance;
        request.wunschfaktorF = c.factorF;
        request.wunschfaktorL = c.factorL;
        const SearchMatcher matcher(request);
        ASSERT_TRUE(matcher.Matches(c.values)) << c.what;
        const SearchHit hit = matcher.BestHit(c.values);
        EXPECT_EQ(SearchTestNames(request, ",")[static_cast<std::size_t>(hit.test)], c.hit)
            << c.what;
        EXPECT_EQ(hit.deviation, c.deviation) << c.what;
    }
}

// All elements, 589 nm at 5 % with the factor 2 on L: each row names the test it passed.
TEST(SearchHit, WavelengthWithAFactor) {
    TableRequest request;
    request.searchMode = true;
    request.showDeviation = true;
    request.cx = 2.42611E-12;
    request.units[static_cast<std::size_t>(Quantity::Wavelength)] = kWavelengthUnits[1];  // nm
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

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/resonance.h"
#include "table/columns.h"
#include "table/table_request.h"

namespace kolvenar {

// The search covers this N range (plus the offset), whatever the bars show.
inline constexpr int kSearchLowestN = -900;
inline constexpr int kSearchHighestN = 900;

// When a test of the search is made.
enum class TestCondition { ValueTyped, FactorOnF, FactorOnL, HalfArea, HalfVolume, QuarterVolume };

// A test of the search: the quantity compared, the quantity whose typed value is the target,
// and when it is made.
struct SearchTest {
    const ColumnKind* value;
    Quantity target;
    TestCondition condition;
};

// The ten tests, in the order they are tried; a row qualifies when one of them holds.
inline constexpr std::array<SearchTest, 10> kSearchTests = {{
    {&Kind("f"), Quantity::Frequency, TestCondition::ValueTyped},
    {&Kind("L"), Quantity::Wavelength, TestCondition::ValueTyped},
    {&Kind("T"), Quantity::Period, TestCondition::ValueTyped},
    {&Kind("A"), Quantity::Area, TestCondition::ValueTyped},
    {&Kind("V"), Quantity::Volume, TestCondition::ValueTyped},
    {&Kind("fFactor"), Quantity::Frequency, TestCondition::FactorOnF},
    {&Kind("LFactor"), Quantity::Wavelength, TestCondition::FactorOnL},
    {&Kind("AHalf"), Quantity::Area, TestCondition::HalfArea},
    {&Kind("VHalf"), Quantity::Volume, TestCondition::HalfVolume},
    {&Kind("VQuarter"), Quantity::Volume, TestCondition::QuarterVolume},
}};

// The names of the ten tests as "Treffer" shows them: the title of the compared quantity's
// column without its unit ("f", "L * 0,5", "V / 4").
std::vector<std::string> SearchTestNames(const TableRequest& request,
                                         std::string_view decimalSeparator);

// The places a deviation is rounded to.
inline constexpr int kDeviationPlaces = 4;

// The own tolerance a search accepts: above 0 and up to this many per cent.
inline constexpr double kOwnToleranceCeiling = 50;

// The test a row passed nearest its target (its place in kSearchTests) and how far off it is,
// in per cent rounded to kDeviationPlaces places.
struct SearchHit {
    int test = 0;
    double deviation = 0;
};

// The tests a request makes, with their targets in base units (A and V in their working form).
class SearchMatcher {
public:
    explicit SearchMatcher(const TableRequest& request);

    bool Matches(const ResonanceValues& values) const;
    // Of the tests a matching row passes, the one with the smallest absolute deviation
    // (value − target) ÷ target × 100, the earlier on a tie; a target of 0 is met with 0.
    SearchHit BestHit(const ResonanceValues& values) const;

private:
    struct Test {
        int place;
        CellRule rule;
        double target;
    };

    bool Passes(const Test& test, const ResonanceValues& values) const;

    std::vector<Test> tests_;
    double tolerance_;
};

// Why a search cannot start.
enum class SearchCheck { Ready, NothingToSearch, OwnToleranceOutOfRange };

SearchCheck CheckSearch(const TableRequest& request, bool ownToleranceSelected);

// The tolerance as the option buttons give it: the first selected fixed option (index 1 to 5,
// captions "1 %" to "20 %") or, when the own option 0 is selected, the leading number of the
// own text, which is then rewritten in its normal form.
struct ToleranceReading {
    double tolerance = 0;
    std::optional<std::string> rewrittenOwnText;
};

inline constexpr std::array<std::string_view, 6> kToleranceCaptions = {"",     "1 %",  "5 %",
                                                                       "10 %", "15 %", "20 %"};

ToleranceReading ReadTolerance(int selectedOption, std::string_view ownText);

}  // namespace kolvenar

#include "table/search.h"

#include <cmath>

#include "core/number_rules.h"
#include "core/number_text.h"

namespace kolvenar {

namespace {

double TypedValue(const TableRequest& request, Quantity quantity) {
    return request.searchValues[static_cast<std::size_t>(quantity)];
}

bool Made(const TableRequest& request, const SearchTest& test) {
    const bool typed = TypedValue(request, test.target) != 0;
    switch (test.condition) {
        case TestCondition::ValueTyped:
            return typed;
        // A factor test is made with a target of 0 too.
        case TestCondition::FactorOnF:
            return request.wunschfaktorF != 0;
        case TestCondition::FactorOnL:
            return request.wunschfaktorL != 0;
        case TestCondition::HalfArea:
            return request.showAHalf && typed;
        case TestCondition::HalfVolume:
            return request.showVHalf && typed;
        case TestCondition::QuarterVolume:
            return request.showVQuarter && typed;
    }
    return false;
}

}  // namespace

std::vector<std::string> SearchTestNames(const TableRequest& request,
                                         std::string_view decimalSeparator) {
    std::vector<std::string> names;
    for (const SearchTest& test : kSearchTests) {
        names.push_back(QuantityTitle(request, *test.value, decimalSeparator));
    }
    return names;
}

SearchMatcher::SearchMatcher(const TableRequest& request) : tolerance_(request.tolerance) {
    for (int place = 0; place < static_cast<int>(kSearchTests.size()); ++place) {
        const SearchTest& test = kSearchTests[static_cast<std::size_t>(place)];
        const UnitScale& scale = request.units[static_cast<std::size_t>(test.target)].scale;
        const double target = Apply(ToBase(scale), TypedValue(request, test.target));
        // A target beyond the double range in base units (1E300 GHz) is never met: every
        // finite value would lie within its tolerance.
        if (Made(request, test) && std::isfinite(target)) {
            tests_.push_back({place, CellRule(request, *test.value), target});
        }
    }
}

// An overflowed quantity never matches.
bool SearchMatcher::Passes(const Test& test, const ResonanceValues& values) const {
    return !test.rule.Overflowed(values) &&
           WithinTolerance(test.rule.Raw(values), test.target, tolerance_);
}

bool SearchMatcher::Matches(const ResonanceValues& values) const {
    for (const Test& test : tests_) {
        if (Passes(test, values)) {
            return true;
        }
    }
    return false;
}

SearchHit SearchMatcher::BestHit(const ResonanceValues& values) const {
    std::optional<SearchHit> best;
    for (const Test& test : tests_) {
        if (!Passes(test, values)) {
            continue;
        }
        const double deviation =
            test.target == 0 ? 0 : ((test.rule.Raw(values) - test.target) / test.target) * 100;
        if (!best || std::fabs(deviation) < std::fabs(best->deviation)) {
            best = SearchHit{test.place, deviation};
        }
    }
    SearchHit hit = best.value_or(SearchHit{});
    hit.deviation = RoundToPlaces(hit.deviation, kDeviationPlaces);
    return hit;
}

SearchCheck CheckSearch(const TableRequest& request, bool ownToleranceSelected) {
    bool anyValue = false;
    for (double value : request.searchValues) {
        anyValue = anyValue || value != 0;
    }
    if (!anyValue) {
        return SearchCheck::NothingToSearch;
    }
    if (ownToleranceSelected &&
        (request.tolerance <= 0 || request.tolerance > kOwnToleranceCeiling)) {
        return SearchCheck::OwnToleranceOutOfRange;
    }
    return SearchCheck::Ready;
}

ToleranceReading ReadTolerance(int selectedOption, std::string_view ownText) {
    ToleranceReading reading;
    if (selectedOption >= 1 && selectedOption < static_cast<int>(kToleranceCaptions.size())) {
        reading.tolerance =
            LeadingNumber(kToleranceCaptions[static_cast<std::size_t>(selectedOption)]);
    }
    if (selectedOption == 0) {
        reading.tolerance = LeadingNumber(ownText);
        reading.rewrittenOwnText = NumText(reading.tolerance);
    }
    return reading;
}

}  // namespace kolvenar

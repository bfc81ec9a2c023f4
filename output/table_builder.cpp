#include "output/table_builder.h"

#include <cmath>
#include <limits>

#include "core/number_rules.h"
#include "core/number_text.h"

namespace kolvenar {

namespace {

constexpr double kOverflowCell = std::numeric_limits<double>::infinity();

std::string UnitName(const TableRequest& request, Quantity quantity) {
    return ParseUnitLabel(request.unitLabels[static_cast<std::size_t>(quantity)]).UnitName;
}

double UnitFactor(const TableRequest& request, Quantity quantity) {
    return ParseUnitLabel(request.unitLabels[static_cast<std::size_t>(quantity)]).UnitFactor;
}

bool Shown(const TableRequest& request, Quantity quantity) {
    return request.quantityShown[static_cast<std::size_t>(quantity)];
}

// How a column turns a computed quantity set into its shown value.
struct CellRule {
    const double ResonanceValues::*value;
    const bool ResonanceValues::*overflow;
    UnitScale toUnit;
};

CellRule RuleFor(ColumnSource source, const std::array<UnitScale, kQuantityCount>& toUnit) {
    const auto scale = [&](Quantity q) {
        return toUnit[static_cast<std::size_t>(q)];
    };
    switch (source) {
        case ColumnSource::f:
            return {&ResonanceValues::f, &ResonanceValues::fOverflow, scale(Quantity::Frequency)};
        case ColumnSource::fFactor:
            return {&ResonanceValues::fFactor, &ResonanceValues::fFactorOverflow,
                    scale(Quantity::Frequency)};
        case ColumnSource::L:
            return {&ResonanceValues::L, &ResonanceValues::LOverflow, scale(Quantity::Wavelength)};
        case ColumnSource::LFactor:
            return {&ResonanceValues::LFactor, &ResonanceValues::LFactorOverflow,
                    scale(Quantity::Wavelength)};
        case ColumnSource::T:
            return {&ResonanceValues::T, &ResonanceValues::TOverflow, scale(Quantity::Period)};
        case ColumnSource::A:
            return {&ResonanceValues::A, &ResonanceValues::AOverflow, scale(Quantity::Area)};
        case ColumnSource::AHalf:
            return {&ResonanceValues::AHalf, &ResonanceValues::AOverflow, scale(Quantity::Area)};
        case ColumnSource::V:
            return {&ResonanceValues::V, &ResonanceValues::VOverflow, scale(Quantity::Volume)};
        case ColumnSource::VHalf:
            return {&ResonanceValues::VHalf, &ResonanceValues::VOverflow, scale(Quantity::Volume)};
        case ColumnSource::VQuarter:
            return {&ResonanceValues::VQuarter, &ResonanceValues::VOverflow,
                    scale(Quantity::Volume)};
    }
    return {&ResonanceValues::f, &ResonanceValues::fOverflow, UnitScale{}};
}

// The search targets in base units (A and V in their working form), and the ten tests.
class SearchMatcher {
public:
    explicit SearchMatcher(const TableRequest& request) : request_(request) {
        for (int i = 0; i < kQuantityCount; ++i) {
            const auto q = static_cast<Quantity>(i);
            target_[static_cast<std::size_t>(i)] = ConvertUnit(
                request.searchValues[static_cast<std::size_t>(i)], -UnitFactor(request, q));
        }
    }

    bool Matches(const ResonanceValues& v) const {
        const double f = target_[0];
        const double L = target_[1];
        const double T = target_[2];
        const double A = target_[3];
        const double V = target_[4];
        return (f != 0 && Test(v.f, v.fOverflow, f)) || (L != 0 && Test(v.L, v.LOverflow, L)) ||
               (T != 0 && Test(v.T, v.TOverflow, T)) || (A != 0 && Test(v.A, v.AOverflow, A)) ||
               (V != 0 && Test(v.V, v.VOverflow, V)) ||
               (request_.wunschfaktorF != 0 && Test(v.fFactor, v.fFactorOverflow, f)) ||
               (request_.wunschfaktorL != 0 && Test(v.LFactor, v.LFactorOverflow, L)) ||
               (request_.showAHalf && A != 0 && Test(v.AHalf, v.AOverflow, A)) ||
               (request_.showVHalf && V != 0 && Test(v.VHalf, v.VOverflow, V)) ||
               (request_.showVQuarter && V != 0 && Test(v.VQuarter, v.VOverflow, V));
    }

private:
    // An overflowed quantity never matches.
    bool Test(double value, bool overflow, double target) const {
        return !overflow && WithinTolerance(value, target, request_.tolerance);
    }

    const TableRequest& request_;
    std::array<double, kQuantityCount> target_{};
};

}  // namespace

long long RowEstimate(double nFromScroll, double nToScroll, int chosenElements) {
    const double perElement = std::floor(std::fabs(nFromScroll - nToScroll)) + 1;
    return static_cast<long long>(perElement) * chosenElements;
}

int CountChosenElements(const TableRequest& request) {
    int count = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        count += request.elementChosen[static_cast<std::size_t>(z)] ? 1 : 0;
    }
    return count;
}

std::vector<ColumnSource> ChooseColumns(const TableRequest& request) {
    std::vector<ColumnSource> columns;
    const auto addIf = [&](bool present, ColumnSource source) {
        if (present) {
            columns.push_back(source);
        }
    };
    addIf(Shown(request, Quantity::Frequency), ColumnSource::f);
    addIf(request.wunschfaktorF != 0, ColumnSource::fFactor);
    addIf(Shown(request, Quantity::Wavelength), ColumnSource::L);
    addIf(request.wunschfaktorL != 0, ColumnSource::LFactor);
    addIf(Shown(request, Quantity::Period), ColumnSource::T);
    addIf(Shown(request, Quantity::Area), ColumnSource::A);
    addIf(request.showAHalf, ColumnSource::AHalf);
    addIf(Shown(request, Quantity::Volume), ColumnSource::V);
    addIf(request.showVHalf, ColumnSource::VHalf);
    addIf(request.showVQuarter, ColumnSource::VQuarter);
    return columns;
}

std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<ColumnSource>& columns,
                                       std::string_view decimalSeparator) {
    std::vector<std::string> headers = {"", "Element", "Z", "N"};
    const std::string in = " in ";
    for (ColumnSource source : columns) {
        switch (source) {
            case ColumnSource::f:
                headers.push_back("f" + in + UnitName(request, Quantity::Frequency));
                break;
            case ColumnSource::fFactor:
                headers.push_back("f * " +
                                  TableNumberText(request.wunschfaktorF, decimalSeparator) + in +
                                  UnitName(request, Quantity::Frequency));
                break;
            case ColumnSource::L:
                headers.push_back("L" + in + UnitName(request, Quantity::Wavelength));
                break;
            case ColumnSource::LFactor:
                headers.push_back("L * " +
                                  TableNumberText(request.wunschfaktorL, decimalSeparator) + in +
                                  UnitName(request, Quantity::Wavelength));
                break;
            case ColumnSource::T:
                headers.push_back("T" + in + UnitName(request, Quantity::Period));
                break;
            case ColumnSource::A:
                headers.push_back("A" + in + UnitName(request, Quantity::Area));
                break;
            case ColumnSource::AHalf:
                headers.push_back("A / 2" + in + UnitName(request, Quantity::Area));
                break;
            case ColumnSource::V:
                headers.push_back("V" + in + UnitName(request, Quantity::Volume));
                break;
            case ColumnSource::VHalf:
                headers.push_back("V / 2" + in + UnitName(request, Quantity::Volume));
                break;
            case ColumnSource::VQuarter:
                headers.push_back("V / 4" + in + UnitName(request, Quantity::Volume));
                break;
        }
    }
    return headers;
}

SearchCheck CheckSearch(const TableRequest& request, bool ownToleranceSelected) {
    bool anyValue = false;
    for (double value : request.searchValues) {
        anyValue = anyValue || value != 0;
    }
    if (!anyValue) {
        return SearchCheck::NothingToSearch;
    }
    if (ownToleranceSelected && (request.tolerance <= 0 || request.tolerance > 50)) {
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

int TableRun::FoundCount() const {
    int count = 0;
    for (bool f : found) {
        count += f ? 1 : 0;
    }
    return count;
}

TableRun RunTable(const TableRequest& request, const std::vector<ColumnSource>& columns) {
    std::array<UnitScale, kQuantityCount> toUnit;
    for (int i = 0; i < kQuantityCount; ++i) {
        toUnit[static_cast<std::size_t>(i)] =
            MakeUnitScale(UnitFactor(request, static_cast<Quantity>(i)));
    }
    std::vector<CellRule> rules;
    for (ColumnSource source : columns) {
        rules.push_back(RuleFor(source, toUnit));
    }
    const ResonanceParameters parameters = MakeResonanceParameters(
        request.cx, request.wunschfaktorF, request.wunschfaktorL,
        UnitFactor(request, Quantity::Area), UnitFactor(request, Quantity::Volume));

    // N runs over whole steps from one end of the range to the other, the offset added to
    // each: adding the step to a fractional N again and again could drift past the last N.
    const double first = request.searchMode ? kSearchLowestN : request.nFromScroll;
    const double last = request.searchMode ? kSearchHighestN : request.nToScroll;
    const double step = last < first ? -1.0 : 1.0;
    const long long stepsPerElement = RowEstimate(first, last, 1);

    std::optional<SearchMatcher> matcher;
    if (request.searchMode) {
        matcher.emplace(request);
    }

    TableRun run;
    run.table = ResultTable(columns);
    if (!request.searchMode) {
        run.table.Reserve(
            static_cast<std::size_t>(RowEstimate(first, last, CountChosenElements(request))));
    }
    std::vector<double> cells(columns.size());
    ResonanceValues values;
    for (int z = 1; z <= kElementCount; ++z) {
        if (!request.elementChosen[static_cast<std::size_t>(z)]) {
            continue;
        }
        for (long long k = 0; k < stepsPerElement; ++k) {
            const double n = (first + static_cast<double>(k) * step) + request.nOffset;
            if (const auto error = ComputeResonanceValues(parameters, z, n, values)) {
                run.error = error;
                return run;
            }
            if (matcher && !matcher->Matches(values)) {
                continue;
            }
            run.found[static_cast<std::size_t>(z)] = true;
            for (std::size_t c = 0; c < rules.size(); ++c) {
                const CellRule& rule = rules[c];
                cells[c] = values.*rule.overflow
                               ? kOverflowCell
                               : RoundForDisplay(ApplyUnitScale(rule.toUnit, values.*rule.value),
                                                 request.rounding);
            }
            run.table.AppendRow(z, n, cells.data());
        }
    }
    return run;
}

std::string FoundElementsText(int count) {
    return std::to_string(count) + (count == 1 ? " Element" : " Elemente");
}

}  // namespace kolvenar

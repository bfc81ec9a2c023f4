#include "table/table_builder.h"

#include <cmath>
#include <limits>

#include "core/number_rules.h"
#include "core/number_text.h"

namespace kolvenar {

namespace {

constexpr double kOverflowCell = std::numeric_limits<double>::infinity();

const UnitEntry& Unit(const TableRequest& request, Quantity quantity) {
    return request.units[static_cast<std::size_t>(quantity)];
}

bool Shown(const TableRequest& request, Quantity quantity) {
    return request.quantityShown[static_cast<std::size_t>(quantity)];
}

// Everything about one kind of optional column: its header, the quantity whose unit it is
// shown in, the computed value and the flag that turns it into "Überlauf".
struct ColumnKind {
    const char* title;
    // The wished factor written into the header ("f * 2 in Hz"), if any.
    double TableRequest::*factor;
    Quantity quantity;
    const double ResonanceValues::*value;
    const bool ResonanceValues::*overflow;
};

using RV = ResonanceValues;

// Indexed by ColumnSource.
constexpr std::array<ColumnKind, 10> kColumnKinds = {{
    {"f", nullptr, Quantity::Frequency, &RV::f, &RV::fOverflow},
    {"f", &TableRequest::wunschfaktorF, Quantity::Frequency, &RV::fFactor, &RV::fFactorOverflow},
    {"L", nullptr, Quantity::Wavelength, &RV::L, &RV::LOverflow},
    {"L", &TableRequest::wunschfaktorL, Quantity::Wavelength, &RV::LFactor, &RV::LFactorOverflow},
    {"T", nullptr, Quantity::Period, &RV::T, &RV::TOverflow},
    {"A", nullptr, Quantity::Area, &RV::A, &RV::AOverflow},
    {"A / 2", nullptr, Quantity::Area, &RV::AHalf, &RV::AOverflow},
    {"V", nullptr, Quantity::Volume, &RV::V, &RV::VOverflow},
    {"V / 2", nullptr, Quantity::Volume, &RV::VHalf, &RV::VOverflow},
    {"V / 4", nullptr, Quantity::Volume, &RV::VQuarter, &RV::VOverflow},
}};

const ColumnKind& KindOf(ColumnSource source) {
    return kColumnKinds[static_cast<std::size_t>(source)];
}

// The search targets in base units (A and V in their working form), and the ten tests.
class SearchMatcher {
public:
    explicit SearchMatcher(const TableRequest& request) : request_(request) {
        for (int i = 0; i < kQuantityCount; ++i) {
            const auto q = static_cast<Quantity>(i);
            target_[static_cast<std::size_t>(i)] = ConvertUnit(
                request.searchValues[static_cast<std::size_t>(i)], -Unit(request, q).factor);
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
    // An overflowed quantity never matches, and neither does a target beyond the double
    // range in base units (1E300 GHz): every finite value would lie within its tolerance.
    bool Test(double value, bool overflow, double target) const {
        return !overflow && std::isfinite(target) &&
               WithinTolerance(value, target, request_.tolerance);
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
    for (ColumnSource source : columns) {
        const ColumnKind& kind = KindOf(source);
        std::string header = kind.title;
        if (kind.factor != nullptr) {
            header += " * " + TableNumberText(request.*kind.factor, decimalSeparator);
        }
        headers.push_back(header + " in " + std::string(Unit(request, kind.quantity).name));
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
    // How each column turns a computed quantity set into its shown value.
    struct CellRule {
        const ColumnKind& kind;
        UnitScale toUnit;
    };
    std::vector<CellRule> rules;
    for (ColumnSource source : columns) {
        const ColumnKind& kind = KindOf(source);
        rules.push_back({kind, MakeUnitScale(Unit(request, kind.quantity).factor)});
    }
    const ResonanceParameters parameters = MakeResonanceParameters(
        request.cx, request.wunschfaktorF, request.wunschfaktorL,
        Unit(request, Quantity::Area).factor, Unit(request, Quantity::Volume).factor);

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
                cells[c] =
                    values.*rule.kind.overflow
                        ? kOverflowCell
                        : RoundForDisplay(ApplyUnitScale(rule.toUnit, values.*rule.kind.value),
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

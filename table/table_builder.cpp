#include "table/table_builder.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kolvenar {

long long RowEstimate(double nFromScroll, double nToScroll, int chosenElements) {
    const double perElement = std::floor(std::fabs(nFromScroll - nToScroll)) + 1;
    return static_cast<long long>(perElement) * chosenElements;
}

int CountChosenElements(const TableRequest& request) {
    // Index 0 stands for no element and is never chosen.
    const auto& chosen = request.elementChosen;
    return static_cast<int>(std::count(std::next(chosen.begin()), chosen.end(), true));
}

int TableRun::FoundCount() const {
    int count = 0;
    for (bool f : found) {
        count += f ? 1 : 0;
    }
    return count;
}

TableRun RunTable(const TableRequest& request, const std::vector<const ColumnKind*>& columns) {
    // Each value goes to its place in the row, in the order of the columns.
    struct PlacedRule {
        CellRule rule;
        std::size_t place;
    };
    std::vector<PlacedRule> rules;
    std::optional<std::size_t> hitPlace;
    std::optional<std::size_t> deviationPlace;
    std::size_t place = 0;
    for (const ColumnKind* kind : columns) {
        if (kind->source == CellSource::Quantity) {
            rules.push_back({CellRule(request, *kind), place++});
        } else if (kind->source == CellSource::Hit) {
            hitPlace = place++;
        } else if (kind->source == CellSource::Deviation) {
            deviationPlace = place++;
        }
    }
    const auto unitScale = [&request](Quantity quantity) {
        return request.units[static_cast<std::size_t>(quantity)].scale;
    };
    const ResonanceParameters parameters =
        MakeResonanceParameters(request.cx, request.wunschfaktorF, request.wunschfaktorL,
                                unitScale(Quantity::Area), unitScale(Quantity::Volume));

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
    const bool showHit = matcher && (hitPlace || deviationPlace);

    TableRun run;
    run.table = ResultTable(columns);
    if (!request.searchMode) {
        run.table.Reserve(
            static_cast<std::size_t>(RowEstimate(first, last, CountChosenElements(request))));
    }
    // One more place for a hit or deviation that is not shown.
    std::vector<double> cells(run.table.ValueCount() + 1);
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
            for (const PlacedRule& placed : rules) {
                cells[placed.place] = placed.rule.Value(values, request.rounding);
            }
            if (showHit) {
                const SearchHit hit = matcher->BestHit(values);
                cells[hitPlace.value_or(place)] = hit.test;
                cells[deviationPlace.value_or(place)] = hit.deviation;
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

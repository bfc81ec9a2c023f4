#include "table/table_builder.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>
#include <memory>
#include <span>
#include <system_error>
#include <thread>
#include <utility>

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

int RunOutcome::FoundCount() const {
    int count = 0;
    for (bool f : found) {
        count += f ? 1 : 0;
    }
    return count;
}

namespace {

// What every element of a run shares, made once: each value column's rule and place in a row,
// the places of the hit and the deviation, the constants of the equation and the range of N.
struct RunPlan {
    RunPlan(const TableRequest& request, const std::vector<const ColumnKind*>& columns);

    const TableRequest& request;
    std::vector<std::pair<CellRule, std::size_t>> rules;
    std::optional<std::size_t> hitPlace;
    std::optional<std::size_t> deviationPlace;
    ResonanceParameters parameters;
    double first;
    double step;
    long long steps;
    std::optional<SearchMatcher> matcher;
};

RunPlan::RunPlan(const TableRequest& r, const std::vector<const ColumnKind*>& columns)
    : request(r),
      parameters(
          MakeResonanceParameters(r.cx, r.wunschfaktorF, r.wunschfaktorL,
                                  r.units[static_cast<std::size_t>(Quantity::Area)].scale,
                                  r.units[static_cast<std::size_t>(Quantity::Volume)].scale)),
      first(r.searchMode ? kSearchLowestN : r.nFromScroll) {
    std::size_t place = 0;
    for (const ColumnKind* kind : columns) {
        if (kind->source == CellSource::Quantity) {
            rules.emplace_back(CellRule(r, *kind), place++);
        } else if (kind->source == CellSource::Hit) {
            hitPlace = place++;
        } else if (kind->source == CellSource::Deviation) {
            deviationPlace = place++;
        }
    }
    // N runs over whole steps from one end of the range to the other, the offset added to
    // each: adding the step to a fractional N again and again could drift past the last N.
    const double last = r.searchMode ? kSearchHighestN : r.nToScroll;
    step = last < first ? -1.0 : 1.0;
    steps = RowEstimate(first, last, 1);
    if (r.searchMode) {
        matcher.emplace(r);
    }
}

// The quantity sets of element z for every N, up to an arithmetic error; in a search only those
// that match. `sets` holds room for every N; the kept ones come first.
struct ElementSets {
    std::size_t kept = 0;
    std::optional<ArithmeticError> error;
};

ElementSets ComputeElement(const RunPlan& plan, int z, std::vector<ResonanceValues>& sets) {
    ElementSets result;
    for (long long k = 0; k < plan.steps; ++k) {
        const double n = (plan.first + static_cast<double>(k) * plan.step) + plan.request.nOffset;
        ResonanceValues& values = sets[result.kept];
        result.error = ComputeResonanceValues(plan.parameters, z, n, values);
        if (result.error) {
            break;
        }
        if (!plan.matcher || plan.matcher->Matches(values)) {
            ++result.kept;
        }
    }
    return result;
}

// Writes the rows of element z's kept sets into `table` from `firstRow` on.
void WriteRows(const RunPlan& plan, int z, std::span<const ResonanceValues> sets,
               ResultTable& table, std::size_t firstRow) {
    const std::size_t stride = table.ValueCount();
    double* values = table.RowValues(firstRow);
    for (const auto& [rule, place] : plan.rules) {
        rule.Values(sets, plan.request.rounding, values + place, stride);
    }
    const bool showHit = plan.matcher && (plan.hitPlace || plan.deviationPlace);
    for (std::size_t k = 0; k < sets.size(); ++k) {
        table.SetKey(firstRow + k, z, sets[k].N);
        if (showHit) {
            const SearchHit hit = plan.matcher->BestHit(sets[k]);
            double* row = values + k * stride;
            if (plan.hitPlace) {
                row[*plan.hitPlace] = hit.test;
            }
            if (plan.deviationPlace) {
                row[*plan.deviationPlace] = hit.deviation;
            }
        }
    }
}

// One element's share of a run: its rows (kept apart in a search, whose row counts are known
// only afterwards) and the error it ended on.
struct ElementPart {
    std::size_t rows = 0;
    std::optional<ArithmeticError> error;
    ResultTable table;
};

}  // namespace

unsigned RunWorkers(const TableRequest& request, unsigned cores) {
    // A thread is worth starting for about this many computed rows.
    constexpr long long kRowsPerWorker = 16384;
    const long long computed =
        request.searchMode
            ? RowEstimate(kSearchLowestN, kSearchHighestN, CountChosenElements(request))
            : RowEstimate(request.nFromScroll, request.nToScroll, CountChosenElements(request));
    return static_cast<unsigned>(
        std::clamp<long long>(computed / kRowsPerWorker + 1, 1, std::max(cores, 1u)));
}

// Elements are taken one at a time by the next free worker; table mode writes each element's
// rows straight to their place in the table. Rows are joined in the elements' order up to the
// first error, so the table is the same whatever the number of workers.
struct TableFill::Run {
    Run(const TableRequest& request, const std::vector<const ColumnKind*>& runColumns,
        ResultTable& target)
        : plan(request, runColumns),
          columns(runColumns),
          table(target),
          steps(static_cast<std::size_t>(plan.steps)),
          inPlace(!request.searchMode) {
        for (int z = 1; z <= kElementCount; ++z) {
            if (request.elementChosen[static_cast<std::size_t>(z)]) {
                elements.push_back(z);
            }
        }
        parts.resize(elements.size());
        firstFailed = elements.size();
        if (inPlace) {
            table.Resize(elements.size() * steps);
        }
    }

    void Compute(std::size_t i, std::vector<ResonanceValues>& sets) {
        const ElementSets computed = ComputeElement(plan, elements[i], sets);
        ElementPart& part = parts[i];
        part.rows = computed.kept;
        part.error = computed.error;
        if (computed.error) {
            std::size_t failed = firstFailed;
            while (i < failed && !firstFailed.compare_exchange_weak(failed, i)) {
            }
        }
        if (!inPlace) {
            part.table = ResultTable(columns);
            part.table.Resize(computed.kept);
        }
        WriteRows(plan, elements[i], std::span(sets.data(), computed.kept),
                  inPlace ? table : part.table, inPlace ? i * steps : 0);
    }

    // Takes elements until none is left; those after one that failed are not needed. `sets`
    // is the thread's room for an element's quantity sets.
    void Work(std::vector<ResonanceValues>& sets) {
        sets.resize(steps);
        for (std::size_t i = next++; i < elements.size() && i < firstFailed; i = next++) {
            Compute(i, sets);
        }
    }

    RunOutcome Outcome() {
        RunOutcome outcome;
        for (std::size_t i = 0; i < elements.size() && !outcome.error; ++i) {
            outcome.found[static_cast<std::size_t>(elements[i])] = parts[i].rows > 0;
            outcome.error = parts[i].error;
            if (inPlace) {
                outcome.rows = i * steps + parts[i].rows;
            } else {
                table.AppendRows(parts[i].table);
                outcome.rows = table.RowCount();
            }
        }
        return outcome;
    }

    const RunPlan plan;
    const std::vector<const ColumnKind*>& columns;
    ResultTable& table;
    const std::size_t steps;
    const bool inPlace;
    std::vector<int> elements;
    std::vector<ElementPart> parts;
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> firstFailed = 0;
    // The calling thread's room, from the first element to Finish.
    std::vector<ResonanceValues> callerSets;
};

TableFill::TableFill(const TableRequest& request, const std::vector<const ColumnKind*>& columns,
                     ResultTable& table, unsigned workers)
    : run_(std::make_unique<Run>(request, columns, table)) {
    if (run_->elements.empty()) {
        return;
    }
    // This thread takes the first element, so that its rows are there when the constructor
    // returns.
    run_->next = 1;
    try {
        for (unsigned w = 1; w < std::min<std::size_t>(workers, run_->elements.size()); ++w) {
            threads_.emplace_back([run = run_.get()] {
                std::vector<ResonanceValues> sets;
                run->Work(sets);
            });
        }
    } catch (const std::system_error&) {
        // The threads that did start share the elements with this one.
    }
    run_->callerSets.resize(run_->steps);
    run_->Compute(0, run_->callerSets);
}

TableFill::~TableFill() {
    Join();
}

bool TableFill::FirstRowWritten() const {
    return !run_->parts.empty() && run_->parts[0].rows > 0;
}

void TableFill::Join() {
    for (std::thread& thread : threads_) {
        thread.join();
    }
    threads_.clear();
}

RunOutcome TableFill::Finish() {
    run_->Work(run_->callerSets);
    Join();
    return run_->Outcome();
}

TableRun RunTable(const TableRequest& request, const std::vector<const ColumnKind*>& columns,
                  unsigned workers) {
    TableRun run;
    run.table = ResultTable(columns);
    static_cast<RunOutcome&>(run) = TableFill(request, columns, run.table, workers).Finish();
    run.table.Resize(run.rows);
    return run;
}

std::string FoundElementsText(int count) {
    return std::to_string(count) + (count == 1 ? " Element" : " Elemente");
}

}  // namespace kolvenar

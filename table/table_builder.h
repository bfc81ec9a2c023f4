#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/resonance.h"
#include "table/columns.h"
#include "table/result_table.h"
#include "table/search.h"
#include "table/table_request.h"

namespace kolvenar {

// Rows above this estimate need the user's consent in table mode.
inline constexpr long long kRowsWithoutQuestion = 3600;

// Rows a table-mode run will produce: (|from - to| + 1) per chosen element.
long long RowEstimate(double nFromScroll, double nToScroll, int chosenElements);

int CountChosenElements(const TableRequest& request);

// How a run ended.
struct RunOutcome {
    // Index = Z: whether the element produced at least one row.
    std::array<bool, kElementCount + 1> found{};
    // Set when the run ended on an arithmetic error; the rows so far are kept.
    std::optional<ArithmeticError> error;
    // The rows written, up to the first error.
    std::size_t rows = 0;

    int FoundCount() const;
};

struct TableRun : RunOutcome {
    ResultTable table;
};

// Computes every chosen element for every N of the range (table mode) or of the search range,
// keeping every row (table mode) or the matching ones (search mode, with the test each passed
// best where the request shows the deviation). `columns` are every column of the table, as
// ChooseColumns gives them. The elements are shared among up to `workers` threads; the rows are
// the same for any number.
TableRun RunTable(const TableRequest& request, const std::vector<const ColumnKind*>& columns,
                  unsigned workers = 1);

// A run that writes its rows into a table its caller holds, so that the caller can prepare
// showing them while they are computed. In table mode the table is sized to every row of the
// range at once, and when the constructor has returned the first chosen element's rows are
// written (FirstRowWritten) while the other elements are computed on further threads: nothing
// else of the table may be read until Finish. In search mode the matching rows are appended by
// Finish. `request`, `columns` and `table` must outlive the fill; `table` must be empty, made
// for `columns`.
class TableFill {
public:
    TableFill(const TableRequest& request, const std::vector<const ColumnKind*>& columns,
              ResultTable& table, unsigned workers);
    ~TableFill();
    TableFill(const TableFill&) = delete;
    TableFill& operator=(const TableFill&) = delete;

    bool FirstRowWritten() const;
    // Computes along until every element is done. In table mode the rows past the outcome's
    // count (after an arithmetic error) hold nothing and are the caller's to drop.
    RunOutcome Finish();

private:
    struct Run;
    void Join();

    std::unique_ptr<Run> run_;
    std::vector<std::thread> threads_;
};

// The threads worth starting for a run on `cores` cores: large runs use every core, small ones
// one.
unsigned RunWorkers(const TableRequest& request, unsigned cores);

// "1 Element", "0 Elemente", "12 Elemente".
std::string FoundElementsText(int count);

}  // namespace kolvenar

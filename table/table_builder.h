#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
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

struct TableRun {
    ResultTable table;
    // Index = Z: whether the element produced at least one row.
    std::array<bool, kElementCount + 1> found{};
    // Set when the run ended on an arithmetic error; the rows so far are kept.
    std::optional<ArithmeticError> error;

    int FoundCount() const;
};

// Computes every chosen element for every N of the range (table mode) or of the search range,
// keeping every row (table mode) or the matching ones (search mode, with the test each passed
// best where the request shows the deviation). `columns` are every column of the table, as
// ChooseColumns gives them. The elements are shared among up to `workers` threads; the rows are
// the same for any number.
TableRun RunTable(const TableRequest& request, const std::vector<const ColumnKind*>& columns,
                  unsigned workers = 1);

// The threads worth starting for a run on `cores` cores: large runs use every core, small ones
// one.
unsigned RunWorkers(const TableRequest& request, unsigned cores);

// "1 Element", "0 Elemente", "12 Elemente".
std::string FoundElementsText(int count);

}  // namespace kolvenar

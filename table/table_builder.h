#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/resonance.h"
#include "table/result_table.h"
#include "table/table_request.h"

namespace kolvenar {

// Rows above this estimate need the user's consent in table mode.
inline constexpr long long kRowsWithoutQuestion = 3600;

// The search covers this N range (plus the offset), whatever the bars show.
inline constexpr int kSearchLowestN = -900;
inline constexpr int kSearchHighestN = 900;

// Rows a table-mode run will produce: (|from - to| + 1) per chosen element.
long long RowEstimate(double nFromScroll, double nToScroll, int chosenElements);

int CountChosenElements(const TableRequest& request);

// The optional columns of the request, in table order.
std::vector<ColumnSource> ChooseColumns(const TableRequest& request);

// Header texts of every column, the four fixed ones first ("", "Element", "Z", "N"); numbers
// in table number text with the given decimal separator.
std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<ColumnSource>& columns,
                                       std::string_view decimalSeparator);

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

struct TableRun {
    ResultTable table;
    // Index = Z: whether the element produced at least one row.
    std::array<bool, kElementCount + 1> found{};
    // Set when the run ended on an arithmetic error; the rows so far are kept.
    std::optional<ArithmeticError> error;

    int FoundCount() const;
};

// Computes every chosen element for every N of the range (table mode) or of the search range,
// keeping every row (table mode) or the matching ones (search mode).
TableRun RunTable(const TableRequest& request, const std::vector<ColumnSource>& columns);

// "1 Element", "0 Elemente", "12 Elemente".
std::string FoundElementsText(int count);

}  // namespace kolvenar

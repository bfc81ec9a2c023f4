#pragma once

#include <optional>
#include <vector>

#include "table/result_table.h"

namespace kolvenar {

// What the rows of a result table are sorted by: the kind of the column, so that a rebuilt
// table with other columns is sorted by the same quantity, and the direction.
struct SortKey {
    const ColumnKind* column = nullptr;
    bool descending = false;

    bool SameColumn(const SortKey& other) const { return column == other.column; }
};

// Positions of the table's rows in sorted order, by the sort rule of the key's column kind
// (numbers by value, deviations by their size, hits by the order of the tests, elements by
// their German names), "Überlauf" after every number in both directions; rows with equal keys
// keep the order in which they were built.
std::vector<std::uint32_t> SortedRows(const ResultTable& table, const SortKey& key);

// The sort key of a column of the result table; none for a column whose kind does not sort
// (the blank one) and columns beyond the table.
std::optional<SortKey> SortKeyOfColumn(const ResultTable& table, int column);

// The column that shows a sort key's value in `table`, or -1 when the table has none.
int ColumnOfSortKey(const ResultTable& table, const SortKey& key);

}  // namespace kolvenar

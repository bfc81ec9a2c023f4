#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "table/result_table.h"

namespace kolvenar {

// What the rows of a result table are sorted by: one of the fixed columns, or the optional
// column that shows a given value. A key names the value rather than the column position, so
// that a rebuilt table with other columns is sorted by the same quantity.
struct SortKey {
    enum class Kind : std::uint8_t { Element, Z, N, Value };
    Kind kind = Kind::Element;
    ColumnSource source = ColumnSource::f;  // for Kind::Value
    bool descending = false;

    bool SameColumn(const SortKey& other) const {
        return kind == other.kind && (kind != Kind::Value || source == other.source);
    }
};

// Positions of the table's rows in sorted order: numbers by value, deviations by their size,
// hits by the order of the tests, "Überlauf" after every number in both directions, elements by
// their German names; rows with equal keys keep the order in which they were built.
std::vector<std::uint32_t> SortedRows(const ResultTable& table, const SortKey& key);

// The sort key of a column of the result table (1 element, 2 Z, 3 N, 4 on the optional
// columns); none for column 0 and columns beyond the table.
std::optional<SortKey> SortKeyOfColumn(const ResultTable& table, int column);

// The column that shows a sort key's value in `table`, or -1 when the table has none.
int ColumnOfSortKey(const ResultTable& table, const SortKey& key);

}  // namespace kolvenar

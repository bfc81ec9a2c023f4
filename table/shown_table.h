#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/result_table.h"
#include "table/table_sort.h"

namespace kolvenar {

// A result table as the user sees it: its column titles, its rows in the order shown (as
// built, or sorted by a column) and its numbers written with the user's decimal separator.
// The view, the copied text and every file read the table from here, so that they agree.
// A row number is always a row as shown.
class ShownTable {
public:
    void SetDecimalSeparator(std::string_view separator);
    const std::string& DecimalSeparator() const { return separator_; }

    // Replaces the column titles, the four fixed ones first; the rows must then fit them.
    void SetHeaders(std::vector<std::string> headers) { headers_ = std::move(headers); }
    const std::vector<std::string>& Headers() const { return headers_; }
    int ColumnCount() const { return static_cast<int>(headers_.size()); }

    // The names a hit column shows, by the test's place (SearchTestNames).
    void SetHitNames(std::vector<std::string> names) { hitNames_ = std::move(names); }
    std::string_view HitName(double test) const;

    void ClearRows();
    // New rows; a sort in force is applied to them.
    void SetRows(ResultTable table);
    const ResultTable& Table() const { return table_; }
    std::size_t RowCount() const { return table_.RowCount(); }
    // Where the row shown at `row` stands in the table as built.
    std::size_t BuiltRow(std::size_t row) const { return order_.empty() ? row : order_[row]; }

    // A click on a column title: the first sorts by that column, the second reverses the order,
    // the third returns to the built order. The sort stays in force for new rows until another
    // column is chosen.
    void CycleSort(int column);
    // Sorts by a column in the order asked for, or returns to the built order.
    void SortBy(int column, bool descending);
    void ShowBuiltOrder();
    // The column the rows are sorted by, or -1 in the built order.
    int SortColumn() const;
    bool SortedDescending() const { return sortKey_ && sortKey_->descending; }

    // Which value a column from 4 on shows; none for the fixed columns.
    std::optional<ColumnSource> SourceOf(int column) const;

    // The text of a cell from column 2 on (Z, N, the values and the hit's name) as the table
    // shows it, written into a buffer of kNumberTextCapacity bytes; returns its length, 0
    // outside the table.
    std::size_t CellText(std::size_t row, int column, char* buffer) const;

private:
    // Sorts the rows by sortKey_, or drops it when the table has no such column.
    void ApplySort();

    std::vector<std::string> headers_;
    ResultTable table_;
    std::optional<SortKey> sortKey_;
    // Built positions of the rows as shown; empty in the built order.
    std::vector<std::uint32_t> order_;
    std::string separator_ = ".";
    std::vector<std::string> hitNames_;
};

}  // namespace kolvenar

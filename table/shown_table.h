#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "table/result_table.h"
#include "table/table_sort.h"

namespace kolvenar {

// What a cell is, which decides how every reader writes it: nothing (the blank column), an
// element's name, a whole number, a number with its digits, "Überlauf" for a value that left
// the double range, or the name of a search's test.
enum class CellKind : std::uint8_t { Empty, Name, Whole, Number, Overflow, TestName };

// A cell: what it is, and its number (for a name the element's Z, for a test's name the
// test's place).
struct Cell {
    CellKind kind = CellKind::Empty;
    double value = 0;
};

// A result table as the user sees it: its column titles, its rows in the order shown (as
// built, or sorted by a column) and its numbers written with the user's decimal separator.
// The view, the copied text and every file read the table from here, so that they agree.
// A row number is always a row as shown. A copy is cheap: it shares the rows, and keeps them
// as they are when the original gets new ones.
class ShownTable {
public:
    void SetDecimalSeparator(std::string_view separator);
    const std::string& DecimalSeparator() const { return separator_; }

    // Replaces the column titles; the rows must then fit them.
    void SetHeaders(std::vector<std::string> headers) { headers_ = std::move(headers); }
    const std::vector<std::string>& Headers() const { return headers_; }
    int ColumnCount() const { return static_cast<int>(headers_.size()); }

    // The names a hit column shows, by the test's place (SearchTestNames).
    void SetHitNames(std::vector<std::string> names) { hitNames_ = std::move(names); }
    std::string_view HitName(double test) const;

    void ClearRows();
    // New rows; a sort in force is applied to them.
    void SetRows(ResultTable table);
    // Rows a run writes in place (TableFill): the table emptied and made for `columns`, shown
    // in the built order until RowsWritten says how many rows there are.
    ResultTable& RowsToWrite(std::vector<const ColumnKind*> columns);
    // Keeps the first `rows` rows the run wrote and applies a sort in force to them.
    void RowsWritten(std::size_t rows);
    const ResultTable& Table() const { return *table_; }
    std::size_t RowCount() const { return table_->RowCount(); }
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

    // The kind of a column, or null beyond the table.
    const ColumnKind* KindOf(int column) const;
    // The column of a kind, or -1 when the table has none.
    int ColumnOf(const ColumnKind& kind) const;
    // What the cells of a column are (a value column holds numbers, some of them "Überlauf").
    CellKind ColumnHolds(int column) const;
    // Whether a column's kind sorts.
    bool Sorts(int column) const {
        const ColumnKind* kind = KindOf(column);
        return kind != nullptr && kind->sort != SortRule::None;
    }
    // Whether the copy and the files write a column: all but the blank one.
    bool Written(int column) const { return ColumnHolds(column) != CellKind::Empty; }

    // The one rule for every cell: what the cell at a row as shown is. Empty outside the table.
    Cell CellAt(std::size_t row, int column) const {
        if (row >= table_->RowCount() || column < 0 || column >= table_->ColumnCount()) {
            return {};
        }
        const std::size_t built = BuiltRow(row);
        switch (table_->Columns()[static_cast<std::size_t>(column)]->source) {
            case CellSource::Blank:
                return {};
            case CellSource::Element:
                return {CellKind::Name, static_cast<double>(table_->ElementAt(built))};
            case CellSource::Z:
                return {CellKind::Whole, static_cast<double>(table_->ElementAt(built))};
            case CellSource::N:
                return {CellKind::Number, table_->NAt(built)};
            case CellSource::Hit:
                return {CellKind::TestName, table_->ValueAt(built, ValuePlace(column))};
            case CellSource::Quantity:
            case CellSource::Deviation:
                break;
        }
        const double value = table_->ValueAt(built, ValuePlace(column));
        return {std::isfinite(value) ? CellKind::Number : CellKind::Overflow, value};
    }

    // The text of a cell as the table shows it (UTF-8), written into a buffer of
    // kNumberTextCapacity bytes; returns its length, 0 for an empty cell and outside the table.
    std::size_t CellText(std::size_t row, int column, char* buffer) const;
    // The text of a number cell with the decimal separator given, for a reader that writes it
    // in another encoding or another separator; the rest of a number is ASCII.
    static std::size_t NumberText(double value, std::string_view separator, char* buffer);
    // The same with the style of the separator (TableNumberStyle) made once, for a reader of
    // many cells.
    static std::size_t NumberText(double value, const NumberStyle& style, char* buffer) {
        return FormatNumber(value, style, buffer);
    }

private:
    std::size_t ValuePlace(int column) const {
        return static_cast<std::size_t>(table_->ValuePlace(column));
    }
    // Sorts the rows by sortKey_, or drops it when the table has no such column.
    void ApplySort();

    std::vector<std::string> headers_;
    // Shared by the copies made of this table, such as what the clipboard holds: rows once
    // written are never changed, new rows come in a table of their own.
    std::shared_ptr<ResultTable> table_ = std::make_shared<ResultTable>();
    std::optional<SortKey> sortKey_;
    // Built positions of the rows as shown; empty in the built order.
    std::vector<std::uint32_t> order_;
    std::string separator_ = ".";
    std::vector<std::string> hitNames_;
};

}  // namespace kolvenar

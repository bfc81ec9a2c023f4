#include "table/shown_table.h"

#include "core/number_text.h"

namespace kolvenar {

void ShownTable::SetDecimalSeparator(std::string_view separator) {
    separator_ = std::string(TableNumberStyle(separator).decimalSeparator);
}

void ShownTable::ClearRows() {
    table_ = ResultTable(table_.Columns());
    order_.clear();
}

void ShownTable::SetRows(ResultTable table) {
    table_ = std::move(table);
    ApplySort();
}

void ShownTable::ApplySort() {
    order_.clear();
    if (sortKey_ && ColumnOfSortKey(table_, *sortKey_) < 0) {
        sortKey_.reset();
    }
    if (sortKey_) {
        order_ = SortedRows(table_, *sortKey_);
    }
}

void ShownTable::CycleSort(int column) {
    const std::optional<SortKey> clicked = SortKeyOfColumn(table_, column);
    if (!clicked) {
        return;
    }
    if (!sortKey_ || !sortKey_->SameColumn(*clicked)) {
        sortKey_ = clicked;
    } else if (!sortKey_->descending) {
        sortKey_->descending = true;
    } else {
        sortKey_.reset();
    }
    ApplySort();
}

void ShownTable::SortBy(int column, bool descending) {
    std::optional<SortKey> key = SortKeyOfColumn(table_, column);
    if (!key) {
        return;
    }
    key->descending = descending;
    sortKey_ = key;
    ApplySort();
}

void ShownTable::ShowBuiltOrder() {
    sortKey_.reset();
    ApplySort();
}

std::string_view ShownTable::HitName(double test) const {
    const auto place = static_cast<std::size_t>(test);
    return test >= 0 && place < hitNames_.size() ? std::string_view(hitNames_[place]) : "";
}

std::optional<ColumnSource> ShownTable::SourceOf(int column) const {
    const int value = column - kFixedColumnCount;
    if (value < 0 || value >= static_cast<int>(table_.Columns().size())) {
        return std::nullopt;
    }
    return table_.Columns()[static_cast<std::size_t>(value)];
}

int ShownTable::SortColumn() const {
    return sortKey_ ? ColumnOfSortKey(table_, *sortKey_) : -1;
}

std::size_t ShownTable::CellText(std::size_t row, int column, char* buffer) const {
    if (row >= table_.RowCount() || column < 2 || column >= ColumnCount()) {
        return 0;
    }
    const std::size_t built = BuiltRow(row);
    double value = 0;
    if (column == 2) {
        value = table_.ElementAt(built);
    } else if (column == 3) {
        value = table_.NAt(built);
    } else {
        const auto valueColumn = static_cast<std::size_t>(column - kFixedColumnCount);
        if (valueColumn >= table_.ValueCount()) {
            return 0;
        }
        value = table_.ValueAt(built, valueColumn);
        if (table_.Columns()[valueColumn] == ColumnSource::Hit) {
            const std::string_view name = HitName(value).substr(0, kNumberTextCapacity);
            name.copy(buffer, name.size());
            return name.size();
        }
    }
    return FormatNumber(value, NumberStyle{separator_, true}, buffer);
}

}  // namespace kolvenar

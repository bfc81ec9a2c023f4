#include "table/shown_table.h"

#include "core/elements.h"
#include "core/number_text.h"

namespace kolvenar {

void ShownTable::SetDecimalSeparator(std::string_view separator) {
    separator_ = std::string(TableNumberStyle(separator).decimalSeparator);
}

void ShownTable::ClearRows() {
    table_ = std::make_shared<ResultTable>(table_->Columns());
    order_.clear();
}

void ShownTable::SetRows(ResultTable table) {
    table_ = std::make_shared<ResultTable>(std::move(table));
    ApplySort();
}

ResultTable& ShownTable::RowsToWrite(std::vector<const ColumnKind*> columns) {
    table_ = std::make_shared<ResultTable>(std::move(columns));
    order_.clear();
    return *table_;
}

void ShownTable::RowsWritten(std::size_t rows) {
    table_->Resize(rows);
    ApplySort();
}

void ShownTable::ApplySort() {
    order_.clear();
    if (sortKey_ && ColumnOfSortKey(*table_, *sortKey_) < 0) {
        sortKey_.reset();
    }
    if (sortKey_) {
        order_ = SortedRows(*table_, *sortKey_);
    }
}

void ShownTable::CycleSort(int column) {
    const std::optional<SortKey> clicked = SortKeyOfColumn(*table_, column);
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
    std::optional<SortKey> key = SortKeyOfColumn(*table_, column);
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

const ColumnKind* ShownTable::KindOf(int column) const {
    if (column < 0 || column >= table_->ColumnCount()) {
        return nullptr;
    }
    return table_->Columns()[static_cast<std::size_t>(column)];
}

int ShownTable::ColumnOf(const ColumnKind& kind) const {
    for (int column = 0; column < table_->ColumnCount(); ++column) {
        if (KindOf(column) == &kind) {
            return column;
        }
    }
    return -1;
}

CellKind ShownTable::ColumnHolds(int column) const {
    const ColumnKind* kind = KindOf(column);
    if (kind == nullptr) {
        return CellKind::Empty;
    }
    switch (kind->source) {
        case CellSource::Blank:
            return CellKind::Empty;
        case CellSource::Element:
            return CellKind::Name;
        case CellSource::Z:
            return CellKind::Whole;
        case CellSource::Hit:
            return CellKind::TestName;
        default:
            return CellKind::Number;
    }
}

int ShownTable::SortColumn() const {
    return sortKey_ ? ColumnOfSortKey(*table_, *sortKey_) : -1;
}

std::size_t ShownTable::NumberText(double value, std::string_view separator, char* buffer) {
    return FormatNumber(value, TableNumberStyle(separator), buffer);
}

std::size_t ShownTable::CellText(std::size_t row, int column, char* buffer) const {
    const Cell cell = CellAt(row, column);
    std::string_view text;
    switch (cell.kind) {
        case CellKind::Empty:
            return 0;
        case CellKind::Whole:
        case CellKind::Number:
            return NumberText(cell.value, separator_, buffer);
        case CellKind::Overflow:
            text = kOverflowText;
            break;
        case CellKind::Name:
            text = ElementName(static_cast<int>(cell.value));
            break;
        case CellKind::TestName:
            text = HitName(cell.value);
            break;
    }
    text = text.substr(0, kNumberTextCapacity);
    text.copy(buffer, text.size());
    return text.size();
}

}  // namespace kolvenar

#include "output/result_table_model.h"

#include "core/number_text.h"

namespace kolvenar {

namespace {

constexpr int kFixedColumns = 4;

}  // namespace

ResultTableModel::ResultTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int z = 1; z <= kElementCount; ++z) {
        const std::string_view name = ElementName(z);
        names_[static_cast<std::size_t>(z)] =
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
}

void ResultTableModel::SetDecimalSeparator(const QString& separator) {
    separator_ = separator.toStdString();
}

void ResultTableModel::SetHeaders(const QStringList& headers) {
    beginResetModel();
    headers_ = headers;
    endResetModel();
}

void ResultTableModel::ClearRows() {
    if (table_.RowCount() == 0) {
        return;
    }
    beginResetModel();
    table_ = ResultTable(table_.Columns());
    order_.clear();
    endResetModel();
}

void ResultTableModel::SetRows(ResultTable table) {
    beginResetModel();
    table_ = std::move(table);
    ApplySort();
    endResetModel();
}

void ResultTableModel::ApplySort() {
    order_.clear();
    if (sortKey_ && ColumnOfSortKey(table_, *sortKey_) < 0) {
        sortKey_.reset();
    }
    if (sortKey_) {
        order_ = SortedRows(table_, *sortKey_);
    }
}

void ResultTableModel::CycleSort(int column) {
    const std::optional<SortKey> clicked = SortKeyOfColumn(table_, column);
    if (!clicked) {
        return;
    }
    beginResetModel();
    if (!sortKey_ || !sortKey_->SameColumn(*clicked)) {
        sortKey_ = clicked;
    } else if (!sortKey_->descending) {
        sortKey_->descending = true;
    } else {
        sortKey_.reset();
    }
    ApplySort();
    endResetModel();
}

int ResultTableModel::SortColumn() const {
    return sortKey_ ? ColumnOfSortKey(table_, *sortKey_) : -1;
}

Qt::SortOrder ResultTableModel::SortOrder() const {
    return sortKey_ && sortKey_->descending ? Qt::DescendingOrder : Qt::AscendingOrder;
}

QString ResultTableModel::CellText(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= table_.RowCount() || column < 1) {
        return {};
    }
    if (column == 1) {
        return names_[static_cast<std::size_t>(table_.ElementAt(BuiltRow(row)))];
    }
    char buffer[kNumberTextCapacity];
    const std::size_t length = NumberCellText(row, column, buffer);
    return QString::fromUtf8(buffer, static_cast<qsizetype>(length));
}

std::size_t ResultTableModel::NumberCellText(int row, int column, char* buffer) const {
    if (row < 0 || static_cast<std::size_t>(row) >= table_.RowCount() || column < 2) {
        return 0;
    }
    const std::size_t r = BuiltRow(row);
    double value = 0;
    if (column == 2) {
        value = table_.ElementAt(r);
    } else if (column == 3) {
        value = table_.NAt(r);
    } else {
        const auto valueColumn = static_cast<std::size_t>(column - kFixedColumns);
        if (valueColumn >= table_.ValueCount()) {
            return 0;
        }
        value = table_.ValueAt(r, valueColumn);
    }
    return FormatNumber(value, NumberStyle{separator_, true}, buffer);
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(index.row(), index.column());
    }
    if (role == kElementRole) {
        return table_.ElementAt(BuiltRow(index.row()));
    }
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headers_.value(section);
    }
    return {};
}

}  // namespace kolvenar

#include "ui/main/result_table_model.h"

#include "core/number_text.h"

namespace kolvenar {

ResultTableModel::ResultTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int z = 1; z <= kElementCount; ++z) {
        const std::string_view name = ElementName(z);
        names_[static_cast<std::size_t>(z)] =
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
}

void ResultTableModel::SetDecimalSeparator(const QString& separator) {
    shown_.SetDecimalSeparator(separator.toStdString());
}

void ResultTableModel::SetHeaders(std::vector<std::string> headers) {
    beginResetModel();
    headers_.clear();
    for (const std::string& header : headers) {
        headers_.append(QString::fromStdString(header));
    }
    shown_.SetHeaders(std::move(headers));
    endResetModel();
}

void ResultTableModel::ClearRows() {
    if (shown_.RowCount() == 0) {
        return;
    }
    beginResetModel();
    shown_.ClearRows();
    endResetModel();
}

void ResultTableModel::SetRows(ResultTable table) {
    beginResetModel();
    shown_.SetRows(std::move(table));
    endResetModel();
}

ResultTable& ResultTableModel::BeginRows(std::vector<const ColumnKind*> columns) {
    beginResetModel();
    return shown_.RowsToWrite(std::move(columns));
}

void ResultTableModel::RowsSized() {
    endResetModel();
}

// Fewer rows than the view laid out (the run ended on an error) are a new table; as many are
// new values in the rows the view knows.
void ResultTableModel::RowsWritten(std::size_t rows) {
    if (rows < shown_.RowCount()) {
        beginResetModel();
        shown_.RowsWritten(rows);
        endResetModel();
        return;
    }
    shown_.RowsWritten(rows);
    if (shown_.SortColumn() >= 0) {
        ShowNewOrder();
    }
}

void ResultTableModel::CycleSort(int column) {
    shown_.CycleSort(column);
    ShowNewOrder();
}

void ResultTableModel::SortBy(int column, bool descending) {
    shown_.SortBy(column, descending);
    ShowNewOrder();
}

void ResultTableModel::ShowBuiltOrder() {
    shown_.ShowBuiltOrder();
    ShowNewOrder();
}

// Sorting keeps the rows and changes what they show: a reset would make the view lay out each
// of up to 212,518 rows anew. Column 0 shows nothing and stays.
void ResultTableModel::ShowNewOrder() {
    if (rowCount() > 0 && columnCount() > 1) {
        emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1));
    }
    emit orderChanged();
}

Qt::SortOrder ResultTableModel::SortOrder() const {
    return shown_.SortedDescending() ? Qt::DescendingOrder : Qt::AscendingOrder;
}

QString ResultTableModel::CellText(int row, int column) const {
    if (row < 0) {
        return {};
    }
    // Names are made into Qt strings once.
    if (const Cell cell = shown_.CellAt(static_cast<std::size_t>(row), column);
        cell.kind == CellKind::Name) {
        return names_[static_cast<std::size_t>(cell.value)];
    }
    char buffer[kNumberTextCapacity];
    const std::size_t length = CellTextUtf8(row, column, buffer);
    return QString::fromUtf8(buffer, static_cast<qsizetype>(length));
}

std::size_t ResultTableModel::CellTextUtf8(int row, int column, char* buffer) const {
    return row < 0 ? 0 : shown_.CellText(static_cast<std::size_t>(row), column, buffer);
}

QModelIndex ResultTableModel::index(int row, int column, const QModelIndex& parent) const {
    const bool inside = !parent.isValid() && row >= 0 && column >= 0 &&
                        static_cast<std::size_t>(row) < shown_.RowCount() &&
                        column < headers_.size();
    return inside ? createIndex(row, column) : QModelIndex();
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const {
    const bool inside = index.isValid() && index.model() == this &&
                        static_cast<std::size_t>(index.row()) < shown_.RowCount() &&
                        index.column() < headers_.size();
    return inside ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                  : Qt::NoItemFlags;
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.RowCount());
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
        return shown_.Table().ElementAt(shown_.BuiltRow(static_cast<std::size_t>(index.row())));
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

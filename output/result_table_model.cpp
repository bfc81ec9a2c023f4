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
    endResetModel();
}

void ResultTableModel::SetRows(ResultTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

QString ResultTableModel::NumberText(double value) const {
    char buffer[kNumberTextCapacity];
    const std::size_t length = FormatNumber(value, NumberStyle{separator_, true}, buffer);
    return QString::fromUtf8(buffer, static_cast<qsizetype>(length));
}

QString ResultTableModel::CellText(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= table_.RowCount()) {
        return {};
    }
    const auto r = static_cast<std::size_t>(row);
    switch (column) {
        case 0:
            return {};
        case 1:
            return names_[static_cast<std::size_t>(table_.ElementAt(r))];
        case 2:
            return QString::number(table_.ElementAt(r));
        case 3:
            return NumberText(table_.NAt(r));
        default:
            break;
    }
    const auto valueColumn = static_cast<std::size_t>(column - kFixedColumns);
    if (column < kFixedColumns || valueColumn >= table_.ValueCount()) {
        return {};
    }
    return NumberText(table_.ValueAt(r, valueColumn));
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(index.row(), index.column());
    }
    if (role == kElementRole) {
        return table_.ElementAt(static_cast<std::size_t>(index.row()));
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

#include "ui/windows/sortable_table_model.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <numeric>

namespace kolvenar {

namespace {

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareKeys(const QVariant& a, const QVariant& b) {
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    return QString::localeAwareCompare(a.toString(), b.toString());
}

}  // namespace

SortableTableModel::SortableTableModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)) {}

void SortableTableModel::Rebuilt(int builtRows) {
    beginResetModel();
    order_.resize(static_cast<std::size_t>(builtRows));
    Order();
    endResetModel();
}

void SortableTableModel::CycleSort(int column) {
    if (column != sortColumn_) {
        SortBy(column, false);
    } else if (!descending_) {
        SortBy(column, true);
    } else {
        ShowBuiltOrder();
    }
}

void SortableTableModel::SortBy(int column, bool descending) {
    emit layoutAboutToBeChanged();
    sortColumn_ = column;
    descending_ = descending;
    Order();
    emit layoutChanged();
}

void SortableTableModel::ShowBuiltOrder() {
    SortBy(-1, false);
}

void SortableTableModel::Order() {
    std::iota(order_.begin(), order_.end(), 0);
    if (sortColumn_ < 0) {
        return;
    }
    std::vector<QVariant> keys(order_.size());
    for (std::size_t row = 0; row < keys.size(); ++row) {
        keys[row] = SortKey(static_cast<int>(row), sortColumn_);
    }
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int c =
            CompareKeys(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        return descending_ ? c > 0 : c < 0;
    });
}

int SortableTableModel::ShownRow(int builtRow) const {
    const auto at = std::find(order_.begin(), order_.end(), builtRow);
    return at == order_.end() ? -1 : static_cast<int>(at - order_.begin());
}

QString SortableTableModel::CopyText(const std::vector<int>& rows) const {
    QString text = titles_.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            cells << CellText(row, column);
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

int SortableTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int SortableTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant SortableTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(index.row(), index.column());
    }
    if (role == Qt::ForegroundRole && Greyed(BuiltRow(index.row()))) {
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    }
    return {};
}

QVariant SortableTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return titles_.value(section);
    }
    return {};
}

}  // namespace kolvenar

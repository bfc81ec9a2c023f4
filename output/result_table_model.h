#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/elements.h"
#include "output/result_table.h"
#include "output/table_sort.h"

namespace kolvenar {

// The result table as Qt's views see it: column 0 empty, then element, Z, N and one column per
// optional quantity. Cell texts are made when a view or the export asks for them, with the
// decimal separator of the user's locale. Rows are shown in the order they were built, or
// sorted by a column; a row number of the model is always a row as shown.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The row's element number Z, the row's tag.
    static constexpr int kElementRole = Qt::UserRole;

    explicit ResultTableModel(QObject* parent = nullptr);

    void SetDecimalSeparator(const QString& separator);
    const std::string& DecimalSeparator() const { return separator_; }

    // Replaces the column headers; the rows must then fit them.
    void SetHeaders(const QStringList& headers);
    void ClearRows();
    void SetRows(ResultTable table);

    const ResultTable& Table() const { return table_; }
    // Where the row shown at `row` stands in the table as built.
    std::size_t BuiltRow(int row) const {
        return order_.empty() ? static_cast<std::size_t>(row)
                              : order_[static_cast<std::size_t>(row)];
    }

    // A click on a column header: the first sorts by that column, the second reverses the
    // order, the third returns to the built order. The sort stays in force for new rows until
    // another column is chosen.
    void CycleSort(int column);
    // The column the rows are sorted by, or -1 in the built order.
    int SortColumn() const;
    Qt::SortOrder SortOrder() const;

    QString CellText(int row, int column) const;
    // The UTF-8 text of a cell from column 2 on (Z, N and the values), written into a buffer
    // of kNumberTextCapacity bytes without making a QString; returns its length.
    std::size_t NumberCellText(int row, int column, char* buffer) const;
    QString HeaderText(int column) const { return headers_.value(column); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // Sorts the rows by sortKey_, or drops it when the table has no such column.
    void ApplySort();

    QStringList headers_;
    ResultTable table_;
    std::optional<SortKey> sortKey_;
    // Built positions of the rows as shown; empty in the built order.
    std::vector<std::uint32_t> order_;
    std::string separator_ = ".";
    std::array<QString, kElementCount + 1> names_;
};

}  // namespace kolvenar

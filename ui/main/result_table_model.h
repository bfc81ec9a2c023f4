#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <array>

#include "core/elements.h"
#include "table/shown_table.h"

namespace kolvenar {

// The result table as Qt's views see it: its columns as the shown table has them. Cell texts are
// made when a view asks for them.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The row's element number Z, the row's tag.
    static constexpr int kElementRole = Qt::UserRole;

    explicit ResultTableModel(QObject* parent = nullptr);

    // What the view shows, for the copy and the files.
    const ShownTable& Shown() const { return shown_; }
    const ResultTable& Table() const { return shown_.Table(); }

    void SetDecimalSeparator(const QString& separator);
    // Replaces the column headers; the rows must then fit them.
    void SetHeaders(std::vector<std::string> headers);
    void ClearRows();
    void SetRows(ResultTable table);
    // New rows written in place while the view lays them out (TableFill): BeginRows gives the
    // emptied table to the run, RowsSized lets the view see as many rows as the run sized it
    // to (it reads the first row only, to learn the rows' height), RowsWritten ends the run.
    ResultTable& BeginRows(std::vector<const ColumnKind*> columns);
    void RowsSized();
    void RowsWritten(std::size_t rows);

    // A click on a column header: sorts, reverses, returns to the built order (ShownTable).
    void CycleSort(int column);
    void SortBy(int column, bool descending);
    void ShowBuiltOrder();
    // The names the "Treffer" column shows, by the test's place.
    void SetHitNames(std::vector<std::string> names) { shown_.SetHitNames(std::move(names)); }
    // The column the rows are sorted by, or -1 in the built order.
    int SortColumn() const { return shown_.SortColumn(); }
    Qt::SortOrder SortOrder() const;

    QString CellText(int row, int column) const;
    // The UTF-8 text of a cell, see ShownTable::CellText.
    std::size_t CellTextUtf8(int row, int column, char* buffer) const;
    QString HeaderText(int column) const { return headers_.value(column); }

    // As QAbstractTableModel has them, without its calls through the virtual table: a view asks
    // for every row's index and flags whenever it lays out the table anew.
    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // The rows were sorted or returned to the built order: as many rows, other values in them.
    void orderChanged();

private:
    void ShowNewOrder();

    ShownTable shown_;
    // The headers and names as Qt strings, made once.
    QStringList headers_;
    std::array<QString, kElementCount + 1> names_;
};

}  // namespace kolvenar

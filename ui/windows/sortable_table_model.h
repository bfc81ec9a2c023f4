#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace kolvenar {

// A table of texts as Qt's views see it, in an order of its own: the order it was built in, or
// sorted by any column. Rows are addressed as shown; a derived model gives the cells of a row in
// its built order and the key a column sorts by.
class SortableTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SortableTableModel(QStringList titles, QObject* parent = nullptr);

    // A click on a column header: sorts ascending, then descending, then the built order.
    void CycleSort(int column);
    void SortBy(int column, bool descending);
    void ShowBuiltOrder();
    // The column the rows are sorted by, or -1 in the built order.
    int SortColumn() const { return sortColumn_; }
    Qt::SortOrder SortOrder() const {
        return descending_ ? Qt::DescendingOrder : Qt::AscendingOrder;
    }

    // The row as built that is shown at `row`.
    int BuiltRow(int row) const { return order_[static_cast<std::size_t>(row)]; }
    // The shown row of a row as built, or -1.
    int ShownRow(int builtRow) const;
    QString CellText(int row, int column) const { return Cell(BuiltRow(row), column); }
    QString Title(int column) const { return titles_.value(column); }

    // The titles, then the given shown rows (ascending), fields separated by a tab and every
    // line ended by a line feed, cells as shown: the text the main table's copy writes.
    QString CopyText(const std::vector<int>& rows) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    // The derived model has new rows (or titles): the view starts afresh, in the order chosen.
    void Rebuilt(int builtRows);
    void SetTitles(QStringList titles) { titles_ = std::move(titles); }

    virtual QString Cell(int builtRow, int column) const = 0;
    // What a column sorts by: a number (double) or a text; the built order decides ties.
    virtual QVariant SortKey(int builtRow, int column) const = 0;
    // A row shown in grey: it says what is not found.
    virtual bool Greyed(int /*builtRow*/) const { return false; }

private:
    void Order();

    QStringList titles_;
    std::vector<int> order_;
    int sortColumn_ = -1;
    bool descending_ = false;
};

}  // namespace kolvenar

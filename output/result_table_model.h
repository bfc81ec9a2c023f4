#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <string>

#include "core/elements.h"
#include "output/result_table.h"

namespace kolvenar {

// The result table as Qt's views see it: column 0 empty, then element, Z, N and one column per
// optional quantity. Cell texts are made when a view or the export asks for them, with the
// decimal separator of the user's locale.
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
    QStringList headers_;
    ResultTable table_;
    std::string separator_ = ".";
    std::array<QString, kElementCount + 1> names_;
};

}  // namespace kolvenar

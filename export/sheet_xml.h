#pragma once

#include <QStringList>

#include <string>
#include <vector>

namespace kolvenar {

class ShownTable;

// The XML of the workbook's one sheet for a table as shown: the header lines of the text
// export one per row, the column titles in bold with the rows below them frozen, then one row
// per table row. Each cell is written as the shown table says it is: names, "Überlauf" and a
// test's name as inline text, numbers as numbers holding the value the table shows. Every column is
// as wide as its longest text, titles included.
class SheetXml {
public:
    // Measures the columns, which the sheet names before its rows, on up to `workers` threads;
    // the table must not change while the sheet is written.
    SheetXml(const ShownTable& table, const QStringList& headerLines, unsigned workers = 1);

    int RowCount() const;
    // Everything before the table's first row.
    std::string Head() const;
    // Appends the table rows [first, last) as shown.
    void AppendRows(int first, int last, std::string& out) const;
    // Everything after the table's last row.
    static std::string_view Tail();

private:
    void Widen(std::size_t column, std::size_t characters);
    // Widens `widths`, one per sheet column, to the texts of the table rows [first, last).
    void MeasureRows(std::size_t first, std::size_t last, std::vector<std::size_t>& widths) const;
    int SheetRow(int tableRow) const;

    const ShownTable& shown_;
    std::vector<std::string> headerLines_;
    std::vector<std::string> titles_;
    std::vector<std::size_t> widths_;
    // Pieces every row repeats: the start of each sheet column's cells, the rest of each
    // element's name cell by Z, of each test's name cell by its place, and of an "Überlauf"
    // cell.
    std::vector<std::string> cellStarts_;
    std::vector<std::string> nameCells_;
    std::vector<std::string> hitCells_;
    std::string overflowCell_;
    // The table's columns the sheet writes, in order.
    std::vector<int> columns_;
};

}  // namespace kolvenar

#pragma once

#include <QFont>
#include <QTreeView>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/main/result_table_model.h"

class QAction;

namespace kolvenar {

// lv_Ausgabe: the result table. Rows can be highlighted, several at once, and copied; a click on
// a column header sorts by that column.
class ResultTableView : public QTreeView {
    Q_OBJECT

public:
    explicit ResultTableView(QWidget* parent);

    ResultTableModel& Model() { return model_; }
    const ResultTableModel& Model() const { return model_; }

    // Fits every column from the second on to its header and contents, and lets the last one
    // fill the remaining width. Large tables are measured on a sample of their rows.
    void AutoSizeColumns();

    // Z of every highlighted row.
    std::vector<int> HighlightedElements() const;

    // Entries of the window's "Ansicht" menu that the table's context menu offers too.
    void SetViewEntries(QList<QAction*> entries) { viewEntries_ = std::move(entries); }

    // Puts the highlighted rows on the clipboard as tab-separated text, the column titles
    // first, cells as shown.
    void CopyHighlightedRows();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    int sizeHintForColumn(int column) const override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Measures {
        QFont font;
        int padding = -1;
        char widestDigit = '0';
        // Widths of the element names; -1 = not measured yet.
        std::array<int, kElementCount + 1> nameWidths{};
        // Widths of the number shapes measured so far: a new table of the same kind has the
        // same shapes.
        std::unordered_map<std::string, int> shapeWidths;
    };
    Measures& CurrentMeasures(const QFontMetrics& metrics) const;
    int WidestName(const QFontMetrics& metrics) const;
    int WidestNumber(int column, const QFontMetrics& metrics, Measures& measures) const;

    // Widens the last column to the view's right edge, never below what its contents need.
    void FillLastColumn();
    void CreateActions();
    void HeaderClicked(int column);
    // Shows the header's sort indicator as the model sorts.
    void ShowSortIndicator();
    // Highlighted rows as shown, in ascending order.
    std::vector<int> HighlightedRows() const;

    ResultTableModel model_;
    QAction* copy_ = nullptr;
    QAction* selectAll_ = nullptr;
    QList<QAction*> viewEntries_;
    int lastColumnFit_ = 0;
    mutable Measures measures_;
};

}  // namespace kolvenar

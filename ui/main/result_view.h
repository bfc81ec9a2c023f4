#pragma once

#include <QFont>
#include <QTreeView>

#include <array>
#include <vector>

#include "output/result_table_model.h"

class QPushButton;

namespace kolvenar {

// lv_Ausgabe: the result table. Rows can be highlighted, several at once; it is never sorted.
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

protected:
    int sizeHintForColumn(int column) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Measures {
        QFont font;
        int padding = -1;
        char widestDigit = '0';
        // Widths of the element names; -1 = not measured yet.
        std::array<int, kElementCount + 1> nameWidths{};
    };
    const Measures& CurrentMeasures(const QFontMetrics& metrics) const;
    int WidestName(const QFontMetrics& metrics) const;
    int WidestNumber(int column, const QFontMetrics& metrics, const Measures& measures) const;

    // Widens the last column to the view's right edge, never below what its contents need.
    void FillLastColumn();

    ResultTableModel model_;
    int lastColumnFit_ = 0;
    mutable Measures measures_;
};

}  // namespace kolvenar

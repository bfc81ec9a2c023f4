#pragma once

#include <QMenu>

#include <vector>

namespace kolvenar {

class ResultTableModel;

// "Sortieren nach": one entry per column of the result table that sorts, captioned with its
// title, and
// "Ursprüngliche Reihenfolge". Choosing a column sorts by it ascending; choosing the column the
// table is sorted by again reverses the order. Follows the table's columns and order; the
// ticked entry ends in "▲" (ascending) or "▼" (descending).
class SortMenu : public QMenu {
    Q_OBJECT

public:
    SortMenu(ResultTableModel& model, QWidget* parent);

private:
    // Captions, names and the check mark after the table's columns and order.
    void Follow();

    // The table's columns that sort, one per entry.
    std::vector<int> SortingColumns() const;

    ResultTableModel& model_;
};

}  // namespace kolvenar
